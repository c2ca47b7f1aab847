#pragma once

#include <QByteArray>
#include <QString>

#include <stdexcept>
#include <vector>

// The line rule of every capture and record file: a line ends at CR LF, at a
// lone CR or at the end of the text; a lone LF is an ordinary character; a SUB
// byte (26) ends the text. A terminator at the very end opens no empty line.
std::vector<QByteArray> readRecords(const QByteArray &data);

// The capture's line markers become line breaks: "<BR>" and "<BR1>" end a
// record, "<BR2>" becomes a LF inside one. With skipHeader, everything up to
// and including the first line holding "<title>" is dropped.
QByteArray normaliseCapture(const QByteArray &source, bool skipHeader);

// A capture or record file that cannot be created, opened, read or written.
class FileError : public std::runtime_error
{
public:
    explicit FileError(const QString &message);
    QString message() const { return QString::fromStdString(what()); }
};

QByteArray readWholeFile(const QString &path);
// Replaces the file's content; throws FileError.
void writeWholeFile(const QString &path, const QByteArray &data);

void normaliseCaptureFile(const QString &source, const QString &target, bool skipHeader);
std::vector<QByteArray> readRecordFile(const QString &path);
