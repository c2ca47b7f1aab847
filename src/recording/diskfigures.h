#pragma once

#include <QLocale>
#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>

// The figures of the disk usage display, kept apart from the chart.
namespace DiskFigures {

// Bytes in " byte", " Kb", " Mb" or " Gb": divided by 1024 while above 1024,
// at most three times, each time truncated to two decimals; shown in the
// locale's number format without trailing zeros or group separators.
QString format(double bytes, const QLocale &locale);

// The three slices of the pie, in chart units: the figures are scaled down
// together until the smallest is no more than 1024.
struct Slices
{
    double file = 0;
    double free = 0;  // free space less the file
    double usage = 0; // used space less the file
};
Slices slices(std::int64_t fileSize, std::int64_t freeBytes, std::int64_t totalBytes);

// What the pie shows of the slices (file, free, usage): each one's share,
// its percentage label (empty while the slice is empty, and so unlabelled)
// and which slice stands out, the first of the largest.
struct PieLook
{
    std::array<double, 3> shares{-1, -1, -1};
    std::array<QString, 3> labels;
    std::size_t largest = 0;
};
PieLook pieLook(const Slices &slices, const QLocale &locale);
// Whether two looks draw the same pie: the labels and the slice that stands
// out are the same, and no share moved by as much as a thirtieth of a pixel.
bool samePie(const PieLook &a, const PieLook &b);

// Rounds to the nearest whole number, halves to the even neighbour.
long roundHalfEven(double value);
// A level of full scale 32768 as a gauge position 0..100.
int gaugePercent(int level);

} // namespace DiskFigures
