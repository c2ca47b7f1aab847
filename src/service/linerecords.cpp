#include "linerecords.h"

#include "textreplace.h"

#include <QFile>

namespace {

constexpr char Sub = 26;
constexpr char Cr = 13;
constexpr char Lf = 10;

template <typename Visit>
void forEachLine(const QByteArray &data, Visit visit)
{
    qsizetype end = data.indexOf(Sub);
    if (end < 0)
        end = data.size();
    qsizetype start = 0;
    while (start < end) {
        qsizetype cr = data.indexOf(Cr, start);
        if (cr < 0 || cr >= end) {
            visit(data.mid(start, end - start));
            return;
        }
        visit(data.mid(start, cr - start));
        start = cr + 1;
        if (start < end && data.at(start) == Lf)
            ++start;
    }
}

} // namespace

std::vector<QByteArray> readRecords(const QByteArray &data)
{
    std::vector<QByteArray> records;
    forEachLine(data, [&](QByteArray line) { records.push_back(std::move(line)); });
    return records;
}

QByteArray normaliseCapture(const QByteArray &source, bool skipHeader)
{
    static const QByteArray br("<BR>"), br1("<BR1>"), br2("<BR2>"), pair("<BR1><BR2>");
    static const QByteArray title("<title>");
    static const QByteArray cr(1, Cr), lf(1, Lf), crlf("\r\n");

    QByteArray target;
    bool headerPassed = !skipHeader;
    forEachLine(source, [&](const QByteArray &line) {
        QByteArray text = replaceAll(line, br, pair);
        text = replaceAll(text, br1, cr);
        text = replaceAll(text, br2, lf);
        if (headerPassed) {
            target += text;
            target += crlf;
        } else if (line.contains(title)) {
            headerPassed = true;
        }
    });
    return target;
}

FileError::FileError(const QString &message) : std::runtime_error(message.toStdString()) {}

QByteArray readWholeFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(QStringLiteral("Cannot open file \"%1\". %2").arg(path, file.errorString()));
    QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw FileError(QStringLiteral("Read error on \"%1\". %2").arg(path, file.errorString()));
    return data;
}

void writeWholeFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw FileError(QStringLiteral("Cannot create file \"%1\". %2").arg(path, file.errorString()));
    if (file.write(data) != data.size() || !file.flush())
        throw FileError(QStringLiteral("Write error on \"%1\". %2").arg(path, file.errorString()));
}

void normaliseCaptureFile(const QString &source, const QString &target, bool skipHeader)
{
    writeWholeFile(target, normaliseCapture(readWholeFile(source), skipHeader));
}

std::vector<QByteArray> readRecordFile(const QString &path)
{
    return readRecords(readWholeFile(path));
}
