#pragma once

#include <atomic>
#include <string>
#include <string_view>

namespace httplib {
class Server;
struct Request;
struct Response;
} // namespace httplib

struct ServiceContext;

// The pages of each kind of site, added to one listener. `closing` is set
// when that listener is about to close, so long waits and streams end.
void addServicePages(httplib::Server &server, ServiceContext &context);
void addAccountPages(httplib::Server &server, ServiceContext &context);
void addBrowsePages(httplib::Server &server, ServiceContext &context);
void addStreamRoutes(httplib::Server &server, ServiceContext &context, int mirror, const std::atomic<bool> &closing);
void addProductPages(httplib::Server &server, ServiceContext &context);
void addMakerPages(httplib::Server &server, ServiceContext &context);
void addPartnerPages(httplib::Server &server, ServiceContext &context, int partner);

// A route pattern that matches exactly this path, case included.
std::string exactPath(std::string_view path);
// The raw query of the request, as sent.
std::string_view rawQuery(const httplib::Request &request);
void sendHtml(httplib::Response &response, const std::string &html, int status = 200);
// "host:port" the client used for this mirror, when it is a plain host name;
// otherwise the listener's own address. It goes into addresses the client loads.
std::string mirrorHost(const httplib::Request &request, const ServiceContext &context);
