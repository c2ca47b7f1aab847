#include "options/timeformat.h"

#include <QLocale>
#include <QStringList>

namespace {

// The playlist's own way of writing a time, whatever the locale: the input
// box offers "hh.mm" and older playlist files hold it.
constexpr QChar DotSeparator = QLatin1Char('.');

// One or two digits, nothing else.
std::optional<int> number(const QString &part)
{
    if (part.isEmpty() || part.size() > 2)
        return std::nullopt;
    for (const QChar c : part) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    }
    return part.toInt();
}

std::optional<QTime> parseWith(const QString &text, QChar separator)
{
    const QStringList parts = text.trimmed().split(separator);
    if (parts.size() < 2 || parts.size() > 3)
        return std::nullopt;
    const auto hours = number(parts[0]);
    const auto minutes = number(parts[1]);
    const auto seconds = parts.size() == 3 ? number(parts[2]) : std::optional<int>(0);
    if (!hours || !minutes || !seconds)
        return std::nullopt;
    const QTime time(*hours, *minutes, *seconds);
    if (!time.isValid())
        return std::nullopt;
    return time;
}

} // namespace

TimeFormat TimeFormat::system()
{
    // The first character of the short format that is neither a field letter
    // nor a blank: ":" for most locales, "." for some.
    const QString format = QLocale::system().timeFormat(QLocale::ShortFormat);
    for (const QChar c : format) {
        if (!c.isLetter() && !c.isSpace() && c != QLatin1Char('\''))
            return TimeFormat(c);
    }
    return TimeFormat(QLatin1Char(':'));
}

QString TimeFormat::format(QTime time) const
{
    const QString sep(m_separator);
    return time.toString(QStringLiteral("HH") + sep + QStringLiteral("mm") + sep + QStringLiteral("ss"));
}

std::optional<QTime> TimeFormat::parse(const QString &text) const
{
    if (const auto time = parseWith(text, m_separator))
        return time;
    return m_separator == DotSeparator ? std::nullopt : parseWith(text, DotSeparator);
}
