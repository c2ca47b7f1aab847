#pragma once

#include <QString>

class TimeFormat;

// A playlist time as the user typed it in "Orario di attivazione".
struct TypedTime
{
    enum class Status { Cancelled, BadFormat, Accepted };

    // The input box's text for a new entry; kept as it is, it cancels.
    static QString placeholder() { return QStringLiteral("hh.mm"); }

    // Empty or the placeholder cancels. Otherwise the answer is tried with
    // ".00" appended, then alone; the first that parses gives "Ora".
    static TypedTime read(const QString &answer, const TimeFormat &format);
    // The time key: the digits of the answer in order; a non-digit while the
    // key is shorter than two characters puts a "0" in front of it. So
    // "9.30" gives "0930" and "9.5" gives "095", which never matches a clock.
    static QString key(const QString &answer);
    // The clock's key: hour and minute, two digits each.
    static QString clockKey(int hour, int minute);

    Status status = Status::Cancelled;
    QString shown; // the "Ora" cell
    QString timeKey;
};
