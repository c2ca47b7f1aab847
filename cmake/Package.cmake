# The .deb: `scripts/package` configures with the /usr prefix and runs cpack.
# Libraries come from the binaries (dpkg-shlibdeps); what the program loads by
# name at run time is listed by hand: the engine's helper process, the sound
# server's client library, and the GStreamer plug-ins of the recorder.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME sonvela)
set(CPACK_PACKAGE_VENDOR Velmora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Velmora <sonvela@velmora.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "internet radio client")
# CPack puts the summary first itself: the description is the long text only.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Sonvela plays the stations of an internet radio service: the week's most
clicked stations, your favourites and the new stations, from its window or
its tray icon. It keeps a timed playlist, records what you hear, shows a news
ticker and answers the desktop's media keys.
.
Without a deployment file it starts its stand-in service, sonvela-standin,
on 127.0.0.1, so it works out of the box.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.velmora.example/sonvela")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "libqt6webenginecore6-bin, libpulse0, dbus-user-session | dbus-x11, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, gstreamer1.0-plugins-ugly, gstreamer1.0-libav, gstreamer1.0-pulseaudio | gstreamer1.0-pipewire")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
