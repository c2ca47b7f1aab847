#pragma once

#include <httplib.h>

// An httplib server whose connections read through ConnectionStream, so that
// request lines with an unescaped '?' or space in the query are served.
class TolerantServer final : public httplib::Server
{
private:
    bool process_and_close_socket(socket_t sock) override;
};
