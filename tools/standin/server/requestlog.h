#pragma once

#include <cstdint>
#include <fstream>
#include <mutex>
#include <string>
#include <string_view>

// One JSON line per request: time, port, method, target (path with the raw
// query) and status. When the file passes its cap it is moved to FILE.1 and a
// new one is started, so a long run never fills the disk.
class RequestLog final
{
public:
    RequestLog(std::string path, std::uintmax_t maxBytes);

    bool isOpen() const;
    void record(int port, std::string_view method, std::string_view target, int status);

private:
    void rotate();

    std::mutex m_mutex;
    std::string m_path;
    std::uintmax_t m_maxBytes;
    std::uintmax_t m_size = 0;
    std::ofstream m_out;
};

// A JSON string literal; bytes that are not valid UTF-8 become U+FFFD.
std::string jsonString(std::string_view text);
