# Adapters that reach the network, the session bus and other processes: the
# proxy relay with the proxy session, the MPRIS player and the stand-in launcher.
add_library(sonvela_platform_net STATIC
  httphead.cpp httphead.h
  proxyrequest.cpp proxyrequest.h
  relayendpoint.cpp relayendpoint.h
  relayroute.cpp relayroute.h
  desktopproxy.cpp desktopproxy.h
  desktopstart.cpp desktopstart.h
  relayconnection.cpp relayconnection.h
  relayserver.cpp relayserver.h
  proxyrelay.cpp proxyrelay.h
  qtproxysession.cpp qtproxysession.h
  mprisrootadaptor.cpp mprisrootadaptor.h
  mprisplayeradaptor.cpp mprisplayeradaptor.h
  mprisnowplaying.cpp mprisnowplaying.h
  singleinstance.cpp singleinstance.h
  standinlauncher.cpp standinlauncher.h
  assistivebus.cpp assistivebus.h)
target_link_libraries(sonvela_platform_net PUBLIC sonvela_platform_api
  Qt6::Network Qt6::DBus sonvela_flags)
