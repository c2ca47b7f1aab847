#include "messenger/nowplayingnotice.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const QString Credit = QStringLiteral("Sonvela by sonvela.test");

// The expected bytes are written out independently of the code under test:
// each UTF-16 unit as its low byte, then its high byte.
QByteArray littleEndian(const std::u16string &units)
{
    QByteArray bytes;
    for (char16_t unit : units) {
        bytes.append(char(unit & 0xFF));
        bytes.append(char(unit >> 8));
    }
    return bytes;
}

QByteArray padded(QByteArray bytes)
{
    bytes.append(QByteArray(256 - bytes.size(), '\0'));
    return bytes;
}

struct TextCase
{
    const char *label;
    bool playing;
    std::u16string name;
    std::u16string expected;
};

class NoticeText : public ::testing::TestWithParam<TextCase>
{
};

TEST_P(NoticeText, TextAndBufferAreExact)
{
    const TextCase &c = GetParam();
    const QString name = QString::fromStdU16String(c.name);
    EXPECT_EQ(NowPlayingNotice::text(c.playing, name, Credit), QString::fromStdU16String(c.expected));
    const QByteArray buffer = NowPlayingNotice::buffer(c.playing, name, Credit);
    ASSERT_EQ(buffer.size(), 256);
    EXPECT_EQ(buffer, padded(littleEndian(c.expected)));
}

INSTANTIATE_TEST_SUITE_P(
    Names, NoticeText,
    ::testing::Values(
        TextCase{"Plain", true, u"Radio Uno",
                 u"\\0Music\\01\\0{0} - {1}\\0Radio Uno\\0Sonvela by sonvela.test\\0\\0WMContentID"},
        TextCase{"Withdrawal", false, u"",
                 u"\\0Music\\00\\0{0} - {1}\\0\\0Sonvela by sonvela.test\\0\\0WMContentID"},
        TextCase{"Accented", true, u"Radio Citt\u00e0",
                 u"\\0Music\\01\\0{0} - {1}\\0Radio Citt\u00e0\\0Sonvela by sonvela.test\\0\\0WMContentID"},
        TextCase{"OutsideTheBasicPlane", true, u"Note \U0001F3B5",
                 u"\\0Music\\01\\0{0} - {1}\\0Note \xD83C\xDFB5\\0Sonvela by sonvela.test\\0\\0WMContentID"}),
    [](const auto &param) { return std::string(param.param.label); });

TEST(NowPlayingNotice, CreditNamesProductAndMakerDomain)
{
    EXPECT_EQ(NowPlayingNotice::credit(QStringLiteral("sonvela.test")), Credit);
}

TEST(NowPlayingNotice, BytesOfThePlainNoticeStartAsExpected)
{
    const QByteArray buffer = NowPlayingNotice::buffer(true, QStringLiteral("X"), Credit);
    // "\0M" as UTF-16LE: backslash, zero digit, capital M.
    EXPECT_EQ(buffer.left(6), QByteArray("\x5c\x00\x30\x00\x4d\x00", 6));
}

// Fixed parts: 23 header units, two separators around the credit, the empty
// album's separator and "WMContentID": 40 units plus the credit's 23.
constexpr int FixedUnits = 63;

TEST(NowPlayingNotice, TextOfExactly127UnitsIsKeptWhole)
{
    const QString name(127 - FixedUnits, QLatin1Char('n'));
    const QString text = NowPlayingNotice::text(true, name, Credit);
    ASSERT_EQ(text.size(), 127);
    const QByteArray buffer = NowPlayingNotice::buffer(true, name, Credit);
    EXPECT_EQ(buffer, padded(littleEndian(text.toStdU16String())));
    EXPECT_EQ(buffer.mid(252, 2), QByteArray("D\0", 2)) << "the last unit of the text is kept";
    EXPECT_EQ(buffer.mid(254, 2), QByteArray(2, '\0')) << "unit 127 stays the terminating zero";
}

TEST(NowPlayingNotice, LongNameIsCutAndTheContentIdIsLost)
{
    const QString name(128 - FixedUnits, QLatin1Char('n'));
    const QString text = NowPlayingNotice::text(true, name, Credit);
    ASSERT_EQ(text.size(), 128);
    const QByteArray buffer = NowPlayingNotice::buffer(true, name, Credit);
    EXPECT_EQ(buffer.left(254), littleEndian(text.left(127).toStdU16String()));
    EXPECT_EQ(buffer.mid(254), QByteArray(2, '\0'));

    const QString veryLong(400, QLatin1Char('v'));
    const QByteArray cut = NowPlayingNotice::buffer(true, veryLong, Credit);
    ASSERT_EQ(cut.size(), 256);
    EXPECT_EQ(cut.mid(254), QByteArray(2, '\0'));
    EXPECT_FALSE(QString::fromUtf16(reinterpret_cast<const char16_t *>(cut.constData()))
                     .contains(QStringLiteral("WMContentID")));
}

TEST(NowPlayingNotice, NothingIsSentWithoutANameUnlessForced)
{
    EXPECT_FALSE(NowPlayingNotice::notice(true, false, QString(), Credit).has_value());
    EXPECT_FALSE(NowPlayingNotice::notice(false, false, QString(), Credit).has_value());
    EXPECT_EQ(NowPlayingNotice::notice(false, true, QString(), Credit),
              NowPlayingNotice::buffer(false, QString(), Credit));
    EXPECT_EQ(NowPlayingNotice::notice(true, false, QStringLiteral("Radio Uno"), Credit),
              NowPlayingNotice::buffer(true, QStringLiteral("Radio Uno"), Credit));
}

struct RoundTrip
{
    const char *label;
    bool playing;
    std::u16string name;
};

class NoticeParse : public ::testing::TestWithParam<RoundTrip>
{
};

TEST_P(NoticeParse, ReadsBackWhatWasBuilt)
{
    const RoundTrip &c = GetParam();
    const QString name = QString::fromStdU16String(c.name);
    const auto content = NowPlayingNotice::parse(NowPlayingNotice::buffer(c.playing, name, Credit));
    ASSERT_TRUE(content.has_value());
    EXPECT_EQ(content->playing, c.playing);
    EXPECT_EQ(content->title, name);
    EXPECT_EQ(content->artist, Credit);
}

INSTANTIATE_TEST_SUITE_P(Names, NoticeParse,
                         ::testing::Values(RoundTrip{"Plain", true, u"Radio Uno"},
                                           RoundTrip{"Withdrawal", false, u""},
                                           RoundTrip{"Accented", true, u"R\u00e1dio \u00c9t\u00e9"},
                                           RoundTrip{"Emoji", true, u"\U0001F3B5 Jazz"},
                                           // A literal separator inside the name must not shift the artist.
                                           RoundTrip{"SeparatorInName", true, u"A\\0B"},
                                           RoundTrip{"NameFillingTheBuffer", true, std::u16string(64, u'n')}),
                         [](const auto &param) { return std::string(param.param.label); });

TEST(NowPlayingNotice, ParseOfACutTextKeepsTheSurvivingTitle)
{
    const QString name(80, QLatin1Char('n'));
    const auto content = NowPlayingNotice::parse(NowPlayingNotice::buffer(true, name, Credit));
    ASSERT_TRUE(content.has_value());
    EXPECT_TRUE(content->playing);
    EXPECT_EQ(content->title, name);
    EXPECT_EQ(content->artist, QStringLiteral("Sonvela by sonvela.tes"));
}

TEST(NowPlayingNotice, CutInsideASurrogatePairDropsTheHalfCharacter)
{
    // Header is 23 units, so the pair's high half lands on unit 126, the last
    // one kept, and its low half is cut.
    const QString name = QString(103, QLatin1Char('a')) + QString::fromStdU16String(u"\U0001F3B5");
    const QByteArray buffer = NowPlayingNotice::buffer(true, name, Credit);
    EXPECT_EQ(buffer.mid(252, 2), QByteArray("\x3c\xd8", 2)) << "the unit cut itself is kept";
    EXPECT_EQ(buffer.mid(254, 2), QByteArray(2, '\0'));

    const auto content = NowPlayingNotice::parse(buffer);
    ASSERT_TRUE(content.has_value());
    EXPECT_EQ(content->title, QString(103, QLatin1Char('a')));
    EXPECT_TRUE(content->artist.isEmpty());
}

TEST(NowPlayingNotice, ParseRejectsWhatIsNoNotice)
{
    EXPECT_FALSE(NowPlayingNotice::parse(QByteArray()).has_value());
    EXPECT_FALSE(NowPlayingNotice::parse(QByteArray(256, '\0')).has_value());
    // No zero unit anywhere: reading must stop at the end of the buffer.
    EXPECT_FALSE(NowPlayingNotice::parse(QByteArray(256, 'A')).has_value());
    // An odd length and a header whose state is neither 0 nor 1.
    EXPECT_FALSE(NowPlayingNotice::parse(QByteArray("\x5c", 1)).has_value());
    EXPECT_FALSE(NowPlayingNotice::parse(padded(littleEndian(u"\\0Music\\02\\0{0} - {1}\\0X"))).has_value());
}

TEST(NowPlayingNotice, ParseToleratesAMissingTerminator)
{
    // A full buffer of text with no zero unit is read to its end, not beyond.
    const QByteArray body = littleEndian(u"\\0Music\\01\\0{0} - {1}\\0") + QByteArray(256, 'b').left(256 - 46);
    ASSERT_EQ(body.size(), 256);
    const auto content = NowPlayingNotice::parse(body);
    ASSERT_TRUE(content.has_value());
    EXPECT_EQ(content->title.size(), 105);
}

} // namespace
