#include "connectionstream.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <poll.h>
#include <sys/socket.h>

namespace {

constexpr std::size_t maxRequestLine = 16 * 1024;
constexpr std::size_t readChunk = 16 * 1024;

bool ready(socket_t sock, short events, int milliseconds)
{
    pollfd p{sock, events, 0};
    int rc = 0;
    do {
        rc = ::poll(&p, 1, milliseconds);
    } while (rc < 0 && errno == EINTR);
    return rc > 0 && (p.revents & events) != 0;
}

void addressOf(const sockaddr_storage &addr, std::string &ip, int &port)
{
    char text[INET6_ADDRSTRLEN] = {};
    if (addr.ss_family == AF_INET) {
        const auto *in = reinterpret_cast<const sockaddr_in *>(&addr);
        ::inet_ntop(AF_INET, &in->sin_addr, text, sizeof text);
        port = ntohs(in->sin_port);
    } else if (addr.ss_family == AF_INET6) {
        const auto *in6 = reinterpret_cast<const sockaddr_in6 *>(&addr);
        ::inet_ntop(AF_INET6, &in6->sin6_addr, text, sizeof text);
        port = ntohs(in6->sin6_port);
    }
    ip = text;
}

} // namespace

ConnectionStream::ConnectionStream(socket_t sock, time_t readTimeoutSec, time_t writeTimeoutSec)
    : m_sock(sock)
    , m_readMs(static_cast<int>(readTimeoutSec * 1000))
    , m_writeMs(static_cast<int>(writeTimeoutSec * 1000))
{
    beginRequest();
}

void ConnectionStream::beginRequest()
{
    m_atRequestStart = true;
    m_originalTarget.clear();
    m_inHead = true;
    m_headBytes = 0;
    m_lastTwo[0] = m_lastTwo[1] = 0;
    m_headDeadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(m_readMs);
}

bool ConnectionStream::headAllowed() const
{
    return !m_inHead || (m_headBytes < MaxHeadBytes && std::chrono::steady_clock::now() < m_headDeadline);
}

int ConnectionStream::waitMs() const
{
    if (!m_inHead)
        return m_readMs;
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(m_headDeadline
                                                                            - std::chrono::steady_clock::now());
    return static_cast<int>(std::clamp<long long>(left.count(), 0, m_readMs));
}

// The head ends at an empty line: CR LF CR LF, or LF LF from a lax client.
void ConnectionStream::countHead(const char *data, std::size_t size)
{
    for (std::size_t i = 0; i < size && m_inHead; ++i) {
        const char c = data[i];
        if (c == '\n' && (m_lastTwo[1] == '\n' || (m_lastTwo[1] == '\r' && m_lastTwo[0] == '\n')))
            m_inHead = false;
        m_lastTwo[0] = m_lastTwo[1];
        m_lastTwo[1] = c;
    }
    m_headBytes += size;
}

bool ConnectionStream::waitForInput(int milliseconds) const
{
    return hasBufferedInput() || ready(m_sock, POLLIN, milliseconds);
}

bool ConnectionStream::is_readable() const
{
    return waitForInput(m_readMs);
}

// Writable, and the peer has not gone: a listener that hung up shows as
// readable with nothing to read.
bool ConnectionStream::is_writable() const
{
    if (!ready(m_sock, POLLOUT, m_writeMs))
        return false;
    pollfd p{m_sock, POLLIN, 0};
    if (::poll(&p, 1, 0) > 0) {
        if (p.revents & (POLLERR | POLLHUP | POLLNVAL))
            return false;
        char byte = 0;
        if (p.revents & POLLIN)
            return ::recv(m_sock, &byte, 1, MSG_PEEK | MSG_DONTWAIT) > 0;
    }
    return true;
}

ssize_t ConnectionStream::fill()
{
    if (m_pos > 0) {
        m_buffer.erase(0, m_pos);
        m_pos = 0;
    }
    if (!headAllowed() || !ready(m_sock, POLLIN, waitMs()))
        return -1;
    char chunk[readChunk];
    ssize_t n = 0;
    do {
        n = ::recv(m_sock, chunk, sizeof chunk, 0);
    } while (n < 0 && errno == EINTR);
    if (n > 0)
        m_buffer.append(chunk, static_cast<std::size_t>(n));
    return n;
}

void ConnectionStream::repairBufferedRequestLine()
{
    std::size_t end = m_buffer.find('\n', m_pos);
    while (end == std::string::npos && m_buffer.size() - m_pos < maxRequestLine) {
        if (fill() <= 0)
            return; // httplib meets the same end of input and answers it
        end = m_buffer.find('\n', m_pos);
    }
    if (end == std::string::npos)
        return;
    const std::string line = m_buffer.substr(m_pos, end - m_pos);
    const std::string repaired = repairRequestLine(line, &m_originalTarget);
    if (repaired != line)
        m_buffer.replace(m_pos, line.size(), repaired);
}

std::string ConnectionStream::repairRequestLine(const std::string &line, std::string *target)
{
    const std::size_t methodEnd = line.find(' ');
    const std::size_t versionStart = line.rfind(' ');
    if (methodEnd == std::string::npos || versionStart <= methodEnd + 1
        || line.compare(versionStart + 1, 5, "HTTP/") != 0)
        return line;
    const std::string original = line.substr(methodEnd + 1, versionStart - methodEnd - 1);
    if (target)
        *target = original;
    std::string fixed;
    bool querySeen = false;
    for (const char c : original) {
        if (c == ' ') {
            fixed += "%20";
        } else if (c == '?' && querySeen) {
            fixed += "%3F";
        } else {
            querySeen = querySeen || c == '?';
            fixed += c;
        }
    }
    return line.substr(0, methodEnd + 1) + fixed + line.substr(versionStart);
}

ssize_t ConnectionStream::read(char *ptr, size_t size)
{
    if (m_atRequestStart) {
        m_atRequestStart = false;
        repairBufferedRequestLine();
    }
    if (!headAllowed())
        return -1;
    if (!hasBufferedInput()) {
        const ssize_t n = fill();
        if (n <= 0)
            return n;
    }
    std::size_t n = std::min(size, m_buffer.size() - m_pos);
    if (m_inHead)
        n = std::min(n, MaxHeadBytes - m_headBytes);
    m_buffer.copy(ptr, n, m_pos);
    m_pos += n;
    if (m_inHead)
        countHead(ptr, n);
    return static_cast<ssize_t>(n);
}

ssize_t ConnectionStream::write(const char *ptr, size_t size)
{
    if (!is_writable())
        return -1;
    ssize_t n = 0;
    do {
        n = ::send(m_sock, ptr, size, MSG_NOSIGNAL);
    } while (n < 0 && errno == EINTR);
    return n;
}

void ConnectionStream::get_remote_ip_and_port(std::string &ip, int &port) const
{
    sockaddr_storage addr{};
    socklen_t length = sizeof addr;
    if (::getpeername(m_sock, reinterpret_cast<sockaddr *>(&addr), &length) == 0)
        addressOf(addr, ip, port);
}

void ConnectionStream::get_local_ip_and_port(std::string &ip, int &port) const
{
    sockaddr_storage addr{};
    socklen_t length = sizeof addr;
    if (::getsockname(m_sock, reinterpret_cast<sockaddr *>(&addr), &length) == 0)
        addressOf(addr, ip, port);
}
