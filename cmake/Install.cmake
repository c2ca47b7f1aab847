# The installed program: executables, desktop entry, icons, AppStream
# metainfo, man pages and the example deployment. `cmake --install` lays it
# out; the .deb (Package.cmake) is the same tree under /usr.
include(GNUInstallDirs)

set(SONVELA_DIST ${PROJECT_SOURCE_DIR}/dist)
# The program's private library folder: libraries only the client loads
# (the recording module), never on the system's search path. On Debian it is
# /usr/lib/<multiarch>/sonvela: there the package needs no ldconfig, and so no
# maintainer scripts that would keep its record after removal. The client
# finds the folder relative to its own (see the recording loader).
set(SONVELA_PRIVATE_LIBDIR ${CMAKE_INSTALL_LIBDIR}/sonvela)

# Each target's CMakeLists calls these beside the target: executables go to
# bin/, a library the client loads at run time to the private folder.
function(sonvela_install_program target)
  install(TARGETS ${target} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endfunction()
function(sonvela_install_private_library target)
  install(TARGETS ${target} LIBRARY DESTINATION ${SONVELA_PRIVATE_LIBDIR})
endfunction()

install(FILES ${SONVELA_DIST}/sonvela.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${SONVELA_DIST}/com.velmora.sonvela.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 22 24 32 48 64 128 256)
  install(FILES ${SONVELA_DIST}/icons/hicolor/${size}x${size}/apps/sonvela.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${SONVELA_DIST}/icons/sonvela.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# Man pages and the changelog go compressed, as Debian wants them.
set(gzipped)
foreach(page sonvela.1 sonvela-standin.1)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/dist/${page}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/dist
    COMMAND gzip -9nc ${SONVELA_DIST}/man/${page} > ${CMAKE_BINARY_DIR}/dist/${page}.gz
    DEPENDS ${SONVELA_DIST}/man/${page} VERBATIM)
  list(APPEND gzipped ${CMAKE_BINARY_DIR}/dist/${page}.gz)
  install(FILES ${CMAKE_BINARY_DIR}/dist/${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/dist/changelog.Debian.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/dist
  COMMAND gzip -9nc ${SONVELA_DIST}/changelog.Debian > ${CMAKE_BINARY_DIR}/dist/changelog.Debian.gz
  DEPENDS ${SONVELA_DIST}/changelog.Debian VERBATIM)
list(APPEND gzipped ${CMAKE_BINARY_DIR}/dist/changelog.Debian.gz)
add_custom_target(sonvela_dist ALL DEPENDS ${gzipped})
install(FILES ${CMAKE_BINARY_DIR}/dist/changelog.Debian.gz ${SONVELA_DIST}/copyright
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/sonvela)

# The machine's deployment lives in /etc/sonvela whatever the prefix: the
# client looks there, and so will whoever writes one. The example itself is
# package data; /etc holds only a link to it. A link is no conffile, so
# removing the package leaves nothing in /etc but a deployment.ini the
# administrator wrote.
install(FILES ${SONVELA_DIST}/deployment.ini.example DESTINATION ${CMAKE_INSTALL_DATADIR}/sonvela)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/dist/etc)
file(CREATE_LINK ${CMAKE_INSTALL_FULL_DATADIR}/sonvela/deployment.ini.example
  ${CMAKE_BINARY_DIR}/dist/etc/deployment.ini.example SYMBOLIC)
install(FILES ${CMAKE_BINARY_DIR}/dist/etc/deployment.ini.example DESTINATION /etc/sonvela)
