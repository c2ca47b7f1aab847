# Adapters that reach the network: the proxy relay with the proxy session.
add_library(sonvela_platform_net STATIC
  httphead.cpp httphead.h
  proxyrequest.cpp proxyrequest.h
  relayendpoint.cpp relayendpoint.h
  relayroute.cpp relayroute.h
  relayconnection.cpp relayconnection.h
  proxyrelay.cpp proxyrelay.h
  qtproxysession.cpp qtproxysession.h)
target_link_libraries(sonvela_platform_net PUBLIC sonvela_platform_api Qt6::Network sonvela_flags)
