#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

// The name of a new recording: the start date in the user's short date
// format, "_", the time in the long time format, "." and the format's name,
// e.g. "08-12-2026_09-11-52.MP3". Separators that cannot or should not be in
// a file name ("/", the time separators ":" and ".") become "-".
QString recordingFileName(const QDateTime &start, const QLocale &locale, const QString &formatName);
