#pragma once

#include <QString>

// The news category as stored ("0": no news window, else 1 to 15) and how
// many seconds each item stays. The category stays text: the news window
// builds its address from it as written.
struct NewsChoice
{
    QString category = QStringLiteral("0");
    int delay = 30;

    // The category as a number, 0 when it is none of 1 to 15.
    int categoryNumber() const;

    bool operator==(const NewsChoice &) const = default;
};
