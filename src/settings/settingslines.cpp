#include "settings/settingslines.h"

#include "platform/pagetext.h"
#include "service/linerecords.h"

#include <QFile>

#include <limits>

namespace {

constexpr char Cr = 13;
constexpr char Lf = 10;

} // namespace

SettingsLines::SettingsLines(const QByteArray &bytes)
{
    qsizetype start = 0;
    while (start < bytes.size()) {
        const qsizetype cr = bytes.indexOf(Cr, start);
        const qsizetype end = cr < 0 ? bytes.size() : cr;
        m_lines << decodePageText(bytes.mid(start, end - start));
        start = end + 1;
        if (cr >= 0 && start < bytes.size() && bytes.at(start) == Lf)
            ++start;
    }
}

std::optional<SettingsLines> SettingsLines::readFile(const QString &path)
{
    if (!QFile::exists(path))
        return std::nullopt;
    return SettingsLines(readWholeFile(path));
}

QString SettingsLines::text(int n) const { return has(n) ? m_lines.at(n - 1) : QString(); }

bool SettingsLines::flag(int n) const { return text(n) == QLatin1String("SI"); }

int SettingsLines::integer(int n, int fallback) const { return has(n) ? toInteger(text(n), fallback) : fallback; }

int SettingsLines::toInteger(const QString &text, int fallback)
{
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    if (i == text.size())
        return fallback;
    qint64 value = 0;
    for (; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return fallback;
        value = value * 10 + (c.unicode() - u'0');
        if (value > qint64(std::numeric_limits<int>::max()) + 1)
            return fallback;
    }
    if (negative)
        value = -value;
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return fallback;
    return static_cast<int>(value);
}

QString SettingsLines::flagText(bool value) { return value ? QStringLiteral("SI") : QStringLiteral("NO"); }

QByteArray SettingsLines::compose(const QStringList &values)
{
    QByteArray bytes;
    for (const QString &value : values) {
        QString line = value;
        line.remove(QLatin1Char(Cr));
        bytes += line.toUtf8();
        bytes += "\r\n";
    }
    return bytes;
}
