sonvela_add_test(NAME platform_proxyrelay
  SOURCES proxyrequest_test.cpp proxyrelay_test.cpp scriptedserver.cpp scriptedserver.h
  LIBS sonvela_platform_net Qt6::Test LABELS net TIMEOUT 120)
sonvela_add_test(NAME platform_mpris SOURCES mprisnowplaying_test.cpp
  LIBS sonvela_platform_net Qt6::Test LABELS net)
sonvela_add_test(NAME platform_proxyrelay_webengine GUI
  SOURCES proxyrelay_webengine_test.cpp scriptedserver.cpp scriptedserver.h
  LIBS sonvela_platform_net Qt6::WebEngineCore Qt6::Test LABELS gui net TIMEOUT 180)
# The launcher runs the real stand-in executable.
sonvela_add_test(NAME platform_standinlauncher SOURCES standinlauncher_test.cpp
  LIBS sonvela_platform_net sonvela_service_logic Qt6::Test LABELS net)
add_dependencies(platform_standinlauncher sonvela-standin)
