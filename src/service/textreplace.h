#pragma once

#include <QByteArray>
#include <QString>

// Replaces every occurrence of `pattern`, searching again from the start of
// the text after each replacement, so a replacement can join with the text
// before it to form a new occurrence. Runs in time linear in the text.
// A replacement that itself holds the pattern would never finish that way;
// it is then placed once and the search goes on after it.
QByteArray replaceAll(const QByteArray &text, const QByteArray &pattern, const QByteArray &replacement);
QString replaceAll(const QString &text, const QString &pattern, const QString &replacement);
