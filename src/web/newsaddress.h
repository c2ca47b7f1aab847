#pragma once

#include <QString>

// The news page's addresses and the delay typed for it.
namespace NewsAddress {

// Server base + the news page for a category, kept as stored.
QString base(const QString &serverBase, const QString &category);
QString withDelay(const QString &base, int delay);

// Seconds each item stays: a whole number from 1 to a day; anything else
// (text, 0, negative, too large) gives `fallback`.
int delayFrom(const QString &text, int fallback);
bool isDelay(int seconds);

} // namespace NewsAddress
