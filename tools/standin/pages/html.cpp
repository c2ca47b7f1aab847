#include "html.h"

namespace {

constexpr const char *styleSheet = R"(<style>
html,body{margin:0;padding:0;background:#101418;color:#e8edf2;font-family:"DejaVu Sans",Verdana,sans-serif;font-size:13px}
body{padding:12px}
a{color:#7cc4ff;text-decoration:none}
a:hover{text-decoration:underline}
h1{font-size:20px;margin:0 0 8px;color:#fff}
h2{font-size:15px;margin:12px 0 6px;color:#9fd3ff}
.brand{font-size:30px;font-weight:bold;letter-spacing:1px;background:linear-gradient(90deg,#ff7a59,#ffc857);-webkit-background-clip:text;color:transparent}
.muted{color:#8a97a6}
.card{background:#1a2129;border:1px solid #27313c;border-radius:8px;padding:10px 12px;margin:8px 0}
ul.list{list-style:none;padding:0;margin:0}
ul.list li{padding:4px 0;border-bottom:1px solid #222b35}
input,button{background:#0c1014;color:#e8edf2;border:1px solid #3a4756;border-radius:4px;padding:4px 8px;font:inherit}
button{background:#2b6cb0;border-color:#2b6cb0;cursor:pointer}
pre{font:inherit;margin:0}
</style>)";

} // namespace

std::string htmlEscape(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&#39;"; break;
        default: out += c;
        }
    }
    return out;
}

std::string urlEncode(std::string_view text)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if ((b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9') || b == '-' || b == '_'
            || b == '.' || b == '~') {
            out += c;
        } else {
            out += '%';
            out += digits[b >> 4];
            out += digits[b & 15];
        }
    }
    return out;
}

std::string htmlPage(std::string_view title, std::string_view body, std::string_view extraHead)
{
    std::string page = "<!DOCTYPE html>\r\n<html lang=\"it\"><head>\r\n"
                       "<meta charset=\"utf-8\">\r\n"
                       "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">\r\n";
    page += styleSheet;
    page += "\r\n";
    page += extraHead;
    page += "<title>" + htmlEscape(title) + "</title>\r\n</head>\r\n<body>\r\n";
    page += body;
    page += "\r\n</body></html>\r\n";
    return page;
}
