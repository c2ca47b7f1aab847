#pragma once

#include <httplib.h>

#include <chrono>
#include <string>

// One client connection as httplib reads and writes it, with one repair made
// to each request line before httplib parses it: the client puts values into
// addresses unescaped, so a query may hold a second '?' (or, from a careless
// client, a space), which httplib would refuse with 400 and so lose the
// value. Such characters are escaped for parsing; the target as sent is kept
// for the pages and the log.
//
// A request head may take at most MaxHeadBytes and the read time-out in all:
// past either the connection is dropped, so a client that sends megabytes of
// header or one byte now and then holds neither memory nor a worker for long.
class ConnectionStream final : public httplib::Stream
{
public:
    static constexpr std::size_t MaxHeadBytes = 64 * 1024;

    ConnectionStream(socket_t sock, time_t readTimeoutSec, time_t writeTimeoutSec);

    // The next read starts a new request.
    void beginRequest();
    const std::string &originalTarget() const { return m_originalTarget; }
    bool hasBufferedInput() const { return m_pos < m_buffer.size(); }
    // The last head ran past its size or time: the connection must end.
    bool headCutOff() const { return !headAllowed(); }
    // Waits up to the time-out for input; false when none came.
    bool waitForInput(int milliseconds) const;

    bool is_readable() const override;
    bool is_writable() const override;
    ssize_t read(char *ptr, size_t size) override;
    ssize_t write(const char *ptr, size_t size) override;
    void get_remote_ip_and_port(std::string &ip, int &port) const override;
    void get_local_ip_and_port(std::string &ip, int &port) const override;
    socket_t socket() const override { return m_sock; }

    // The repaired request line, or the line unchanged when nothing needs it.
    static std::string repairRequestLine(const std::string &line, std::string *target);

private:
    ssize_t fill();
    void repairBufferedRequestLine();
    // Whether the head may go on, and how long to wait for more of it.
    bool headAllowed() const;
    int waitMs() const;
    void countHead(const char *data, std::size_t size);

    socket_t m_sock;
    int m_readMs;
    int m_writeMs;
    std::string m_buffer;
    std::size_t m_pos = 0;
    bool m_atRequestStart = true;
    std::string m_originalTarget;
    bool m_inHead = true;
    std::size_t m_headBytes = 0;
    char m_lastTwo[2] = {};
    std::chrono::steady_clock::time_point m_headDeadline;
};
