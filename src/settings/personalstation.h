#pragma once

#include <QString>

// One slot of the user's favourite stations; id 0 is an empty slot.
struct PersonalStation
{
    int id = 0;
    QString name;
    QString label;

    bool operator==(const PersonalStation &) const = default;
};
