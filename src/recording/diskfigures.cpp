#include "diskfigures.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

double scaleStep(double value)
{
    return std::trunc(value / 1024 * 100) / 100;
}

} // namespace

namespace DiskFigures {

QString format(double bytes, const QLocale &locale)
{
    static const std::array<const char *, 4> units{" byte", " Kb", " Mb", " Gb"};
    double value = bytes;
    std::size_t unit = 0;
    while (value > 1024 && unit < 3) {
        value = scaleStep(value);
        ++unit;
    }
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    QString text = plain.toString(value, 'f', 2);
    const QString point = plain.decimalPoint();
    while (text.endsWith(QLatin1Char('0')) && text.contains(point))
        text.chop(1);
    if (text.endsWith(point))
        text.chop(point.size());
    return text + QLatin1String(units[unit]);
}

Slices slices(std::int64_t fileSize, std::int64_t freeBytes, std::int64_t totalBytes)
{
    double file = static_cast<double>(fileSize);
    double free = static_cast<double>(freeBytes);
    double total = static_cast<double>(totalBytes);
    for (int step = 0; step < 3 && std::min({file, free, total}) > 1024; ++step) {
        file = scaleStep(file);
        free = scaleStep(free);
        total = scaleStep(total);
    }
    // A slice cannot be negative: figures read at slightly different moments
    // may disagree by a few bytes.
    return Slices{file, std::max(0.0, free - file), std::max(0.0, total - free - file)};
}

long roundHalfEven(double value)
{
    const double floor = std::floor(value);
    const double fraction = value - floor;
    const auto low = static_cast<long>(floor);
    if (fraction < 0.5)
        return low;
    if (fraction > 0.5)
        return low + 1;
    return low % 2 == 0 ? low : low + 1;
}

int gaugePercent(int level)
{
    return static_cast<int>(std::clamp(roundHalfEven(level * 100.0 / 32768), 0L, 100L));
}

} // namespace DiskFigures
