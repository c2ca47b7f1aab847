#pragma once

#include <QChar>
#include <QString>
#include <QTime>

#include <optional>

// The system's way of writing a time of day: hours, minutes and seconds
// joined by the locale's time separator, hours always two digits
// ("09.30.00" where the separator is ".", "09:30:00" where it is ":").
class TimeFormat
{
public:
    explicit TimeFormat(QChar separator) : m_separator(separator) {}
    // The separator of Qt's system locale.
    static TimeFormat system();

    QChar separator() const { return m_separator; }
    QString format(QTime time) const;
    // "h<sep>m" or "h<sep>m<sep>s", one or two digits each, blanks around
    // allowed, with the locale's separator or "." throughout; anything else,
    // or a value out of range, is no time.
    std::optional<QTime> parse(const QString &text) const;

private:
    QChar m_separator;
};
