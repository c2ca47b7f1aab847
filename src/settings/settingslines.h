#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// The lines of a settings file, numbered from 1.
//
// Settings files are 8-bit text. Each line is decoded on its own as UTF-8,
// falling back to Windows-1252 for bytes that are not UTF-8, so files written
// by older versions still read; we always write UTF-8. A line ends at CR LF or
// at a lone CR; a lone LF stays inside the value. A terminator at the very end
// opens no empty line, so the line count tells which lines are missing.
class SettingsLines
{
public:
    SettingsLines() = default;
    explicit SettingsLines(const QByteArray &bytes);

    // nullopt when the file does not exist; throws FileError when it exists
    // but cannot be read.
    static std::optional<SettingsLines> readFile(const QString &path);

    int count() const { return static_cast<int>(m_lines.size()); }
    bool has(int n) const { return n >= 1 && n <= count(); }
    // Empty for a missing line.
    QString text(int n) const;
    // Only an exact "SI" is true; a missing line is false.
    bool flag(int n) const;
    // A decimal integer with an optional sign that fits 32 bits, else `fallback`.
    int integer(int n, int fallback) const;

    static int toInteger(const QString &text, int fallback);
    static QString flagText(bool value);
    // Each value followed by CR LF, in UTF-8. A CR inside a value would split
    // it into two lines and shift every later line, so it is dropped.
    static QByteArray compose(const QStringList &values);

private:
    QStringList m_lines;
};
