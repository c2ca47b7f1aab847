#include "tolerantserver.h"

#include "connectionstream.h"

#include <chrono>
#include <sys/socket.h>
#include <unistd.h>

void TolerantServer::widenBacklog()
{
    // Listening again on a listening socket only changes its backlog.
    ::listen(svr_sock_, SOMAXCONN);
}

// The keep-alive loop of httplib's own connection handling, with the
// repairing stream in place of its socket stream.
bool TolerantServer::process_and_close_socket(socket_t sock)
{
    ConnectionStream stream(sock, read_timeout_sec_, write_timeout_sec_);
    bool ok = false;
    std::size_t count = keep_alive_max_count_;
    const auto waitForNextRequest = [&] {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(keep_alive_timeout_sec_);
        // Short slices, so that a stopping server does not wait out the time-out.
        while (svr_sock_ != INVALID_SOCKET && std::chrono::steady_clock::now() < deadline)
            if (stream.waitForInput(20))
                return true;
        return false;
    };
    while (svr_sock_ != INVALID_SOCKET && count > 0 && waitForNextRequest()) {
        const bool closeConnection = count == 1;
        bool connectionClosed = false;
        stream.beginRequest();
        ok = process_request(stream, closeConnection, connectionClosed, [&stream](httplib::Request &req) {
            if (!stream.originalTarget().empty())
                req.target = stream.originalTarget();
        });
        if (!ok || connectionClosed || stream.headCutOff())
            break;
        --count;
    }
    ::shutdown(sock, SHUT_RDWR);
    ::close(sock);
    return ok;
}
