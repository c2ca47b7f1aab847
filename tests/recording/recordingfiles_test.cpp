#include "recording/recordersettingsfile.h"
#include "recording/recordingfilename.h"
#include "service/linerecords.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using Values = RecorderSettingsFile::Values;

TEST(RecorderSettingsFile, ReadsAtMostFiveLinesAndWordsAsZero)
{
    struct Case
    {
        const char *bytes;
        std::vector<int> values;
    };
    const Case cases[] = {
        {"", {}},
        {"2\r\n0\r\n", {2, 0}},                          // two lines: device and line only
        {"1\r\n0\r\n3\r\n2\r\n55\r\n9\r\n", {1, 0, 3, 2, 55}}, // a sixth line is not read
        {"1\n-1\n4\n0\n70", {1, -1, 4, 0, 70}},          // LF ends and no final end
        {"uno\r\n\r\n 7 \r\n2x\r\n", {0, 0, 7, 0}},      // words and blanks are 0
        {"99999999999\r\n", {0}},                        // too large for an int
    };
    for (const Case &c : cases)
        EXPECT_EQ(RecorderSettingsFile::parse(c.bytes), c.values) << c.bytes;
}

TEST(RecorderSettingsFile, WritesTheFiveLinesWithCrLfAndReadsThemBack)
{
    QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    EXPECT_TRUE(RecorderSettingsFile::read(folder).empty()) << "no file reads as nothing";
    RecorderSettingsFile::write(folder, Values{-1, 0, 8, 2, 35});
    QFile file(folder + QStringLiteral("OpzSVR.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("-1\r\n0\r\n8\r\n2\r\n35\r\n"));
    EXPECT_EQ(RecorderSettingsFile::read(folder), (std::vector<int>{-1, 0, 8, 2, 35}));
}

TEST(RecorderSettingsFile, AnUnwritableFolderThrowsAndNothingIsWritten)
{
    EXPECT_THROW(RecorderSettingsFile::write(QStringLiteral("/proc/no-such-folder/"), Values{}), FileError);
}

// The name follows the user's formats; characters a time or date uses as
// separators become "-" so the name is one plain word.
TEST(RecordingFileName, FollowsTheLocaleFormatsWithSeparatorsAsDashes)
{
    const QDateTime start(QDate(2026, 12, 8), QTime(9, 11, 52));
    const QString italian = recordingFileName(start, QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("MP3"));
    EXPECT_EQ(italian, QStringLiteral("08-12-26_09-11-52.MP3"));
    const QString german = recordingFileName(start, QLocale(QLocale::German, QLocale::Germany), QStringLiteral("WAV"));
    EXPECT_EQ(german, QStringLiteral("08.12.26_09-11-52.WAV"));
    const QString american = recordingFileName(start, QLocale(QLocale::English, QLocale::UnitedStates), QStringLiteral("OGG"));
    EXPECT_FALSE(american.contains(QLatin1Char('/'))) << american.toStdString();
    EXPECT_FALSE(american.contains(QLatin1Char(':'))) << american.toStdString();
    EXPECT_TRUE(american.startsWith(QStringLiteral("12-8-26_9-11-52"))) << american.toStdString();
    EXPECT_TRUE(american.endsWith(QStringLiteral(".OGG")));
}
