#pragma once

#include <QString>

// The proxy choice; the values hold before "PrxSV.txt" is read.
struct ProxySettings
{
    QString address;
    QString port;
    bool useBrowserDefaults = true;

    bool operator==(const ProxySettings &) const = default;
};
