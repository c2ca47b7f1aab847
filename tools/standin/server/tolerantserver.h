#pragma once

#include <httplib.h>

// An httplib server whose connections read through ConnectionStream, so that
// request lines with an unescaped '?' or space in the query are served.
class TolerantServer final : public httplib::Server
{
public:
    // httplib listens with a backlog of five, so a burst of clients
    // connecting at once waits for the kernel's SYN retries, seconds each.
    // Call after bind_to_port().
    void widenBacklog();

private:
    bool process_and_close_socket(socket_t sock) override;
};
