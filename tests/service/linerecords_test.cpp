#include "service/linerecords.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using Records = std::vector<QByteArray>;

Records recordsOfCapture(const QByteArray &source)
{
    return readRecords(normaliseCapture(source, false));
}

TEST(LineRule, EndsLinesAtCrLfAndLoneCrButNotLoneLf)
{
    EXPECT_EQ(readRecords("a\r\nb\rc\nd"), (Records{"a", "b", "c\nd"}));
    EXPECT_EQ(readRecords("a\r\r\nb"), (Records{"a", "", "b"}));
}

TEST(LineRule, TerminatorAtTheEndOpensNoEmptyLine)
{
    EXPECT_EQ(readRecords("a\r\n"), (Records{"a"}));
    EXPECT_EQ(readRecords("a\r"), (Records{"a"}));
    EXPECT_EQ(readRecords("a\r\n\r\n"), (Records{"a", ""}));
    EXPECT_TRUE(readRecords("").empty());
    EXPECT_EQ(readRecords("\n"), (Records{"\n"}));
}

TEST(LineRule, SubByteEndsTheText)
{
    EXPECT_EQ(readRecords(QByteArray("a\r\nb\x1a" "c\r\nd")), (Records{"a", "b"}));
    EXPECT_TRUE(readRecords(QByteArray("\x1a" "abc")).empty());
}

TEST(LineRule, BinaryBytesAndNulsAreKept)
{
    const QByteArray line("\x00\xff\xfe\x80", 4);
    EXPECT_EQ(readRecords(line + "\r\nz"), (Records{line, "z"}));
}

TEST(Normalise, FiveRecordExample)
{
    const QByteArray source = "a<BR>b<BR1>c<BR2>d\r\ne<BR>";
    EXPECT_EQ(recordsOfCapture(source), (Records{"a", "b", "c\nd", "e", ""}));
}

TEST(Normalise, MarkersAreCaseSensitive)
{
    EXPECT_EQ(recordsOfCapture("a<br>b\r\nc<Br>d"), (Records{"a<br>b", "c<Br>d"}));
}

TEST(Normalise, TrailingMarkerGivesAFinalEmptyRecordWithOrWithoutLineBreak)
{
    EXPECT_EQ(recordsOfCapture("a<BR>"), (Records{"a", ""}));
    EXPECT_EQ(recordsOfCapture("a<BR>\r\n"), (Records{"a", ""}));
}

TEST(Normalise, LoneBr2LeavesLfInTheRecord)
{
    EXPECT_EQ(recordsOfCapture("x<BR2>y"), (Records{"x\ny"}));
}

TEST(Normalise, LoneBr1EndsARecord)
{
    EXPECT_EQ(recordsOfCapture("x<BR1>y"), (Records{"x", "y"}));
}

TEST(Normalise, SubEndsTheRecords)
{
    EXPECT_EQ(recordsOfCapture(QByteArray("a<BR>b\x1a<BR>c")), (Records{"a", "b"}));
}

TEST(Normalise, EmptyDocumentGivesNoRecords)
{
    EXPECT_TRUE(normaliseCapture("", false).isEmpty());
    EXPECT_TRUE(normaliseCapture("", true).isEmpty());
}

TEST(Normalise, SkipHeaderDropsEverythingUpToTheTitleLine)
{
    const QByteArray source = "<html>\r\n<head><title>x</title></head>\r\n1<BR>2\r\n<title>again\r\n";
    EXPECT_EQ(normaliseCapture(source, true), QByteArray("1\r\n2\r\n<title>again\r\n"));
}

TEST(Normalise, SkipHeaderWithoutLowerCaseTitleWritesNothing)
{
    EXPECT_TRUE(normaliseCapture("<TITLE>x</TITLE>\r\n1<BR>2", true).isEmpty());
}

TEST(Normalise, OneLineOfManyMarkersStaysExact)
{
    QByteArray source;
    Records expected;
    for (int i = 0; i < 20000; ++i) {
        source += QByteArray::number(i) + "<BR>";
        expected.push_back(QByteArray::number(i));
    }
    expected.push_back("");
    EXPECT_EQ(recordsOfCapture(source), expected);
}

class RecordFiles : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    QString path(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }
};

TEST_F(RecordFiles, NormaliseFileRoundTrip)
{
    writeWholeFile(path("tmpSV.txt"), "a<BR>b");
    normaliseCaptureFile(path("tmpSV.txt"), path("tmp1SV.txt"), false);
    EXPECT_EQ(readWholeFile(path("tmp1SV.txt")), QByteArray("a\r\nb\r\n"));
    EXPECT_EQ(readRecordFile(path("tmp1SV.txt")), (Records{"a", "b"}));
}

TEST_F(RecordFiles, MissingSourceIsAFileErrorNamingTheFile)
{
    try {
        normaliseCaptureFile(path("absent.txt"), path("out.txt"), false);
        FAIL() << "no error";
    } catch (const FileError &e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("absent.txt")));
    }
    EXPECT_FALSE(QFile::exists(path("out.txt")));
}

TEST_F(RecordFiles, UnwritableTargetIsAFileError)
{
    writeWholeFile(path("in.txt"), "a");
    EXPECT_THROW(normaliseCaptureFile(path("in.txt"), dir.path() + QStringLiteral("/no/such/dir/out.txt"), false),
                 FileError);
}

} // namespace
