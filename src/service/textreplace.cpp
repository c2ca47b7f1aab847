#include "textreplace.h"

#include <vector>

namespace {

// A match can only end at the character just appended, and all matches have
// the pattern's length, so the first match to complete is the leftmost one.
// Its replacement goes back onto the input, to be scanned with what precedes
// it; nothing before the match can form a new one on its own.
template <typename Text, typename Char>
Text replaceAllImpl(const Text &text, const Text &pattern, const Text &replacement)
{
    const auto m = pattern.size();
    if (m == 0 || text.size() < m)
        return text;
    const bool rescan = !replacement.contains(pattern);

    Text out;
    out.reserve(text.size());
    std::vector<Char> pending; // replacement characters still to scan, last one first
    qsizetype next = 0;
    while (!pending.empty() || next < text.size()) {
        if (!pending.empty()) {
            out.append(pending.back());
            pending.pop_back();
        } else {
            out.append(text.at(next++));
        }
        if (out.size() >= m && out.endsWith(pattern)) {
            out.chop(m);
            if (rescan) {
                for (auto i = replacement.size(); i > 0; --i)
                    pending.push_back(replacement.at(i - 1));
            } else {
                out.append(replacement);
            }
        }
    }
    return out;
}

} // namespace

QByteArray replaceAll(const QByteArray &text, const QByteArray &pattern, const QByteArray &replacement)
{
    return replaceAllImpl<QByteArray, char>(text, pattern, replacement);
}

QString replaceAll(const QString &text, const QString &pattern, const QString &replacement)
{
    return replaceAllImpl<QString, QChar>(text, pattern, replacement);
}
