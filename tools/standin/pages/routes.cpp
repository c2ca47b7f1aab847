#include "routes.h"

#include "html.h"
#include "queryvalues.h"
#include "servicecontext.h"

#include <httplib.h>

std::string exactPath(std::string_view path)
{
    std::string pattern;
    for (const char c : path) {
        if (std::string_view(".^$|()[]{}*+?\\").find(c) != std::string_view::npos)
            pattern += '\\';
        pattern += c;
    }
    return pattern;
}

std::string_view rawQuery(const httplib::Request &request)
{
    return QueryValues::queryOf(request.target);
}

void sendHtml(httplib::Response &response, const std::string &html, int status)
{
    response.status = status;
    response.set_content(html, htmlType);
}

std::string mirrorHost(const httplib::Request &request, const ServiceContext &context)
{
    const std::string host = request.get_header_value("Host");
    const bool plain = !host.empty() && host.size() <= 60
                       && host.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789.-:")
                              == std::string::npos;
    if (plain)
        return host;
    return context.config.host + ":" + std::to_string(request.local_port);
}
