#include "settings/settingslines.h"

#include "sandbox.h"
#include "service/linerecords.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(SettingsLines, EndAtCrLfOrLoneCrAndKeepLoneLf)
{
    const SettingsLines lines(QByteArray("a\r\nb\rc\nd\r\n"));
    ASSERT_EQ(lines.count(), 3);
    EXPECT_EQ(lines.text(1), QStringLiteral("a"));
    EXPECT_EQ(lines.text(2), QStringLiteral("b"));
    EXPECT_EQ(lines.text(3), QStringLiteral("c\nd"));
}

TEST(SettingsLines, CountsLinesSoMissingOnesAreKnown)
{
    EXPECT_EQ(SettingsLines(QByteArray()).count(), 0);
    EXPECT_EQ(SettingsLines(QByteArray("\r\n")).count(), 1);
    EXPECT_EQ(SettingsLines(QByteArray("x")).count(), 1);
    EXPECT_EQ(SettingsLines(QByteArray("x\r\n\r\n")).count(), 2);
    const SettingsLines lines(QByteArray("x\r\n"));
    EXPECT_FALSE(lines.has(0));
    EXPECT_FALSE(lines.has(2));
    EXPECT_TRUE(lines.text(2).isEmpty());
    EXPECT_EQ(lines.integer(2, 42), 42);
    EXPECT_FALSE(lines.flag(2));
}

// A station name with a SUB byte must not end the file and lose the lines after it.
TEST(SettingsLines, SubByteIsAnOrdinaryCharacter)
{
    const SettingsLines lines(QByteArray("a\x1a"
                                         "b\r\nc\r\n"));
    ASSERT_EQ(lines.count(), 2);
    EXPECT_EQ(lines.text(2), QStringLiteral("c"));
}

TEST(SettingsLines, OnlyExactUpperCaseSiIsTrue)
{
    const SettingsLines lines(crlf({ "SI", "si", "Si", "NO", "", " SI", "SI " }));
    EXPECT_TRUE(lines.flag(1));
    for (int n = 2; n <= 7; ++n)
        EXPECT_FALSE(lines.flag(n)) << n;
}

TEST(SettingsLines, DecodesUtf8AndFallsBackToWindows1252PerLine)
{
    const SettingsLines lines(QByteArray("Radio Citt\xc3\xa0\r\nRadio Citt\xe0 \x80\r\n"));
    EXPECT_EQ(lines.text(1), QStringLiteral("Radio Citt\u00e0"));
    EXPECT_EQ(lines.text(2), QStringLiteral("Radio Citt\u00e0 \u20ac"));
}

TEST(SettingsLines, HugeLinesAreReadWhole)
{
    const QByteArray huge(4 * 1024 * 1024, 'x');
    const SettingsLines lines(huge + "\r\n5\r\n");
    ASSERT_EQ(lines.count(), 2);
    EXPECT_EQ(lines.text(1).size(), huge.size());
    EXPECT_EQ(lines.integer(2, 0), 5);
}

struct IntegerCase
{
    const char *text;
    int expected;
};

class IntegerWithDefault : public ::testing::TestWithParam<IntegerCase>
{
};

TEST_P(IntegerWithDefault, ReadsDecimalOrGivesTheDefault)
{
    EXPECT_EQ(SettingsLines::toInteger(QString::fromLatin1(GetParam().text), -77), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, IntegerWithDefault,
    ::testing::Values(IntegerCase { "0", 0 }, IntegerCase { "12", 12 }, IntegerCase { "-3", -3 },
        IntegerCase { "+4", 4 }, IntegerCase { "007", 7 },
        IntegerCase { "2147483647", std::numeric_limits<int>::max() },
        IntegerCase { "-2147483648", std::numeric_limits<int>::min() }, IntegerCase { "2147483648", -77 },
        IntegerCase { "-2147483649", -77 }, IntegerCase { "99999999999999999999", -77 }, IntegerCase { "", -77 },
        IntegerCase { "-", -77 }, IntegerCase { "abc", -77 }, IntegerCase { "12a", -77 }, IntegerCase { " 12", -77 },
        IntegerCase { "1.5", -77 }, IntegerCase { "$1A", -77 }, IntegerCase { "0x1A", -77 }));

TEST(SettingsLines, ComposeWritesCrLfUtf8AndDropsCarriageReturnsInValues)
{
    EXPECT_EQ(SettingsLines::compose({ QStringLiteral("SI"), QString(), QStringLiteral("Citt\u00e0") }),
        QByteArray("SI\r\n\r\nCitt\xc3\xa0\r\n"));
    // A CR would split the value and shift every later line.
    const QByteArray bytes = SettingsLines::compose({ QStringLiteral("a\rb"), QStringLiteral("c\nd") });
    EXPECT_EQ(bytes, QByteArray("ab\r\nc\nd\r\n"));
    EXPECT_EQ(SettingsLines(bytes).count(), 2);
}

class SettingsLinesFile : public SettingsSandbox
{
};

TEST_F(SettingsLinesFile, MissingFileIsNoLinesAtAllAndUnreadableIsAnError)
{
    EXPECT_FALSE(SettingsLines::readFile(settings + QStringLiteral("none.txt")).has_value());
    // A folder where the file should be cannot be read, even by root.
    ASSERT_TRUE(QDir().mkpath(settings + QStringLiteral("OpzSV.txt")));
    EXPECT_THROW(SettingsLines::readFile(settings + QStringLiteral("OpzSV.txt")), FileError);
}

TEST_F(SettingsLinesFile, FileWithoutReadPermissionIsAnError)
{
    if (runningAsRoot())
        GTEST_SKIP() << "root reads any file";
    put(QStringLiteral("PrxSV.txt"), "a\r\n");
    QFile::setPermissions(settings + QStringLiteral("PrxSV.txt"), QFile::WriteOwner);
    EXPECT_THROW(SettingsLines::readFile(settings + QStringLiteral("PrxSV.txt")), FileError);
}

} // namespace
