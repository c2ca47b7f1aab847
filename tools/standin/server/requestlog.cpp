#include "requestlog.h"

#include <chrono>
#include <ctime>
#include <filesystem>

namespace {

std::string utcNow()
{
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    const auto millis =
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
    std::tm tm{};
    gmtime_r(&seconds, &tm);
    char buf[40];
    const std::size_t n = std::strftime(buf, sizeof buf, "%Y-%m-%dT%H:%M:%S", &tm);
    std::snprintf(buf + n, sizeof buf - n, ".%03dZ", static_cast<int>(millis));
    return buf;
}

// Length of the valid UTF-8 sequence starting at text[i], or 0.
std::size_t utf8Length(std::string_view text, std::size_t i)
{
    const auto b = static_cast<unsigned char>(text[i]);
    std::size_t length = 0;
    unsigned int minimum = 0;
    unsigned int cp = 0;
    if (b >= 0xc2 && b <= 0xdf) {
        length = 2;
        cp = b & 0x1f;
        minimum = 0x80;
    } else if (b >= 0xe0 && b <= 0xef) {
        length = 3;
        cp = b & 0x0f;
        minimum = 0x800;
    } else if (b >= 0xf0 && b <= 0xf4) {
        length = 4;
        cp = b & 0x07;
        minimum = 0x10000;
    } else {
        return 0;
    }
    if (i + length > text.size())
        return 0;
    for (std::size_t k = 1; k < length; ++k) {
        const auto c = static_cast<unsigned char>(text[i + k]);
        if ((c & 0xc0) != 0x80)
            return 0;
        cp = (cp << 6) | (c & 0x3f);
    }
    if (cp < minimum || cp > 0x10ffff || (cp >= 0xd800 && cp <= 0xdfff))
        return 0;
    return length;
}

} // namespace

std::string jsonString(std::string_view text)
{
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (b >= 0x80) {
            const std::size_t n = utf8Length(text, i);
            if (n == 0) {
                out += "\\ufffd";
                ++i;
            } else {
                out.append(text.substr(i, n));
                i += n;
            }
            continue;
        }
        if (b == '"' || b == '\\') {
            out += '\\';
            out += static_cast<char>(b);
        } else if (b < 0x20 || b == 0x7f) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", b);
            out += buf;
        } else {
            out += static_cast<char>(b);
        }
        ++i;
    }
    return out + "\"";
}

RequestLog::RequestLog(std::string path, std::uintmax_t maxBytes)
    : m_path(std::move(path))
    , m_maxBytes(maxBytes)
{
    std::error_code ec;
    const auto existing = std::filesystem::file_size(m_path, ec);
    m_size = ec ? 0 : existing;
    m_out.open(m_path, std::ios::app | std::ios::binary);
    if (m_out && m_size >= m_maxBytes)
        rotate();
}

bool RequestLog::isOpen() const
{
    return m_out.is_open();
}

void RequestLog::rotate()
{
    m_out.close();
    std::error_code ec;
    std::filesystem::rename(m_path, m_path + ".1", ec);
    m_out.open(m_path, std::ios::trunc | std::ios::binary);
    m_size = 0;
}

void RequestLog::record(int port, std::string_view method, std::string_view target, int status)
{
    const std::string line = "{\"time\":" + jsonString(utcNow()) + ",\"port\":" + std::to_string(port)
                             + ",\"method\":" + jsonString(method) + ",\"path\":" + jsonString(target)
                             + ",\"status\":" + std::to_string(status) + "}\n";
    std::lock_guard lock(m_mutex);
    if (!m_out)
        return;
    if (m_size > 0 && m_size + line.size() > m_maxBytes)
        rotate();
    m_out << line;
    m_out.flush();
    m_size += line.size();
}
