# Adapters that reach the network and the session bus: the proxy relay with
# the proxy session, and the MPRIS now-playing player.
add_library(sonvela_platform_net STATIC
  httphead.cpp httphead.h
  proxyrequest.cpp proxyrequest.h
  relayendpoint.cpp relayendpoint.h
  relayroute.cpp relayroute.h
  relayconnection.cpp relayconnection.h
  relayserver.cpp relayserver.h
  proxyrelay.cpp proxyrelay.h
  qtproxysession.cpp qtproxysession.h
  mprisrootadaptor.cpp mprisrootadaptor.h
  mprisplayeradaptor.cpp mprisplayeradaptor.h
  mprisnowplaying.cpp mprisnowplaying.h)
target_link_libraries(sonvela_platform_net PUBLIC sonvela_platform_api sonvela_messenger_logic
  Qt6::Network Qt6::DBus sonvela_flags)
