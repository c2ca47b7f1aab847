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

PieLook pieLook(const Slices &slices, const QLocale &locale)
{
    const std::array<double, 3> values{slices.file, slices.free, slices.usage};
    const double sum = values[0] + values[1] + values[2];
    PieLook look;
    for (std::size_t i = 0; i < values.size(); ++i) {
        look.shares[i] = sum > 0 ? values[i] / sum : 0;
        if (values[i] > 0)
            look.labels[i] = QStringLiteral("%1 %").arg(locale.toString(100 * look.shares[i], 'f', 1));
        if (values[i] > values[look.largest])
            look.largest = i;
    }
    return look;
}

bool samePie(const PieLook &a, const PieLook &b)
{
    // A ten-thousandth of the pie is a thirtieth of a pixel on its rim.
    constexpr double Unseen = 1e-4;
    for (std::size_t i = 0; i < a.shares.size(); ++i) {
        if (std::abs(a.shares[i] - b.shares[i]) >= Unseen || a.labels[i] != b.labels[i])
            return false;
    }
    return a.largest == b.largest;
}

} // namespace DiskFigures
