#include "settings/atomicfile.h"

#include "sandbox.h"
#include "service/linerecords.h"

#include <QFileInfo>

#include <gtest/gtest.h>

#include <cerrno>
#include <unistd.h>

namespace {

class AtomicFileTest : public SettingsSandbox
{
protected:
    QString target() const { return settings + QStringLiteral("OpzSV.txt"); }
    const QByteArray old = crlf({ "NO", "SI", "12" });
};

// A disk that fills up after some bytes: the new content is never complete.
AtomicFile::Writer failingAfter(long limit)
{
    auto written = std::make_shared<long>(0);
    return [written, limit](int fd, const char *data, long size) -> long {
        if (*written >= limit) {
            errno = ENOSPC;
            return -1;
        }
        const long n = std::min(size, limit - *written);
        const long done = static_cast<long>(::write(fd, data, n));
        *written += done;
        return done;
    };
}

TEST_F(AtomicFileTest, ReplacesTheWholeContent)
{
    put(QStringLiteral("OpzSV.txt"), old);
    AtomicFile(target()).write("SI\r\n");
    EXPECT_EQ(get(QStringLiteral("OpzSV.txt")), QByteArray("SI\r\n"));
    EXPECT_EQ(strayFiles({ QStringLiteral("OpzSV.txt") }), QStringList());
}

TEST_F(AtomicFileTest, WriteFailingHalfWayLeavesTheOldFileAndNoLeftovers)
{
    put(QStringLiteral("OpzSV.txt"), old);
    const QByteArray fresh(4096, 'x');
    try {
        AtomicFile(target(), AtomicFile::Access::Shared, failingAfter(1000)).write(fresh);
        FAIL() << "no error";
    } catch (const FileError &error) {
        EXPECT_TRUE(error.message().contains(target())) << error.message().toStdString();
    }
    EXPECT_EQ(get(QStringLiteral("OpzSV.txt")), old);
    EXPECT_EQ(strayFiles({ QStringLiteral("OpzSV.txt") }), QStringList());
}

TEST_F(AtomicFileTest, WriterThatStopsWritingIsAnErrorNotAnEndlessLoop)
{
    AtomicFile::Writer stuck = [](int, const char *, long) -> long { return 0; };
    EXPECT_THROW(AtomicFile(target(), AtomicFile::Access::Shared, stuck).write("abc"), FileError);
    EXPECT_FALSE(has(QStringLiteral("OpzSV.txt")));
}

TEST_F(AtomicFileTest, InterruptedWritesAreRetried)
{
    auto interrupted = std::make_shared<bool>(false);
    AtomicFile::Writer writer = [interrupted](int fd, const char *data, long size) -> long {
        if (!*interrupted) {
            *interrupted = true;
            errno = EINTR;
            return -1;
        }
        return static_cast<long>(::write(fd, data, std::min(size, 2L)));
    };
    AtomicFile(target(), AtomicFile::Access::Shared, writer).write("hello");
    EXPECT_EQ(get(QStringLiteral("OpzSV.txt")), QByteArray("hello"));
}

TEST_F(AtomicFileTest, ReadOnlyFolderKeepsTheOldFile)
{
    if (runningAsRoot())
        GTEST_SKIP() << "root writes into read-only folders";
    put(QStringLiteral("OpzSV.txt"), old);
    ASSERT_TRUE(QFile::setPermissions(settings, QFile::ReadOwner | QFile::ExeOwner));
    EXPECT_THROW(AtomicFile(target()).write("new"), FileError);
    EXPECT_EQ(get(QStringLiteral("OpzSV.txt")), old);
}

TEST_F(AtomicFileTest, MissingFolderIsAnError)
{
    EXPECT_THROW(AtomicFile(settings + QStringLiteral("gone/OpzSV.txt")).write("x"), FileError);
}

TEST_F(AtomicFileTest, SharedFileKeepsItsOwnPermissions)
{
    put(QStringLiteral("OpzSV.txt"), old);
    const auto mode = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    ASSERT_TRUE(QFile::setPermissions(target(), mode));
    AtomicFile(target()).write("x");
    EXPECT_EQ(QFileInfo(target()).permissions() & 0x7077, mode & 0x7077);
}

TEST_F(AtomicFileTest, LinkedFileIsReplacedBehindTheLink)
{
    put(QStringLiteral("real.txt"), old);
    ASSERT_TRUE(QFile::link(settings + QStringLiteral("real.txt"), target()));
    AtomicFile(target()).write("new");
    EXPECT_TRUE(QFileInfo(target()).isSymLink());
    EXPECT_EQ(get(QStringLiteral("real.txt")), QByteArray("new"));
}

} // namespace
