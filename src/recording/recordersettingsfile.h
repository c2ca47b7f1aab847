#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

// "OpzSVR.txt": five decimal lines, device, mixer line, format, preset and
// volume; a list with nothing chosen is -1.
class RecorderSettingsFile
{
public:
    static constexpr int LineCount = 5;

    struct Values
    {
        int device = -1;
        int source = -1;
        int format = -1;
        int preset = -1;
        int volume = 100;
    };

    // The numbers of the first five lines, as many as the file has. A line
    // that is no number reads 0. CR LF, LF and a lone CR all end a line.
    static std::vector<int> parse(const QByteArray &bytes);
    static QByteArray compose(const Values &values);

    static QString path(const QString &settingsFolder);
    // Empty when the file does not exist; throws FileError when unreadable.
    static std::vector<int> read(const QString &settingsFolder);
    // Replaces the file whole; throws FileError.
    static void write(const QString &settingsFolder, const Values &values);
};
