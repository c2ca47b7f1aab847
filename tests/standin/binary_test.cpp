// The sonvela-standin program itself: options, the ready line, a clean stop.
#include <httplib.h>

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <random>

namespace {

QString standinPath()
{
    return QString::fromLocal8Bit(qgetenv("SONVELA_BUILD_DIR")) + QStringLiteral("/bin/sonvela-standin");
}

TEST(StandinProgram, HelpListsEveryOptionAndFaultMode)
{
    QProcess p;
    p.start(standinPath(), {QStringLiteral("--help")});
    ASSERT_TRUE(p.waitForFinished(10000));
    EXPECT_EQ(p.exitCode(), 0);
    const QByteArray help = p.readAllStandardOutput();
    for (const char *word : {"--base-port", "--db", "--log", "--log-max-bytes", "--site-name", "--fault",
                             "--slow-ms", "--help", "refused", "badaccess", "badsponsor", "slow", "garbage", "empty",
                             "error500"})
        EXPECT_TRUE(help.contains(word)) << word;
}

TEST(StandinProgram, RefusesAnUnknownOption)
{
    QProcess p;
    p.start(standinPath(), {QStringLiteral("--port"), QStringLiteral("1")});
    ASSERT_TRUE(p.waitForFinished(10000));
    EXPECT_EQ(p.exitCode(), 2);
    EXPECT_TRUE(p.readAllStandardError().contains("--port"));
}

TEST(StandinProgram, SaysWhenItListensAndStopsCleanlyOnSigterm)
{
    QTemporaryDir dir;
    std::random_device device;
    const int base = std::uniform_int_distribution<int>(20000, 32000)(device);
    QProcess p;
    p.start(standinPath(), {QStringLiteral("--base-port"), QString::number(base), QStringLiteral("--db"),
                            dir.filePath(QStringLiteral("s.db")), QStringLiteral("--site-name"),
                            QStringLiteral("Prova")});
    ASSERT_TRUE(p.waitForStarted(10000));
    QByteArray out;
    while (!out.contains('\n') && p.waitForReadyRead(10000))
        out += p.readAllStandardOutput();
    if (!out.contains("listening")) {
        // Someone else holds a port of the block; nothing more to check here.
        p.waitForFinished(10000);
        GTEST_SKIP() << "port block " << base << " busy: " << p.readAllStandardError().toStdString();
    }
    EXPECT_EQ(out.trimmed().toStdString(), "sonvela-standin: listening on 127.0.0.1:" + std::to_string(base) + "-"
                                               + std::to_string(base + 12));

    httplib::Client c("127.0.0.1", base);
    c.set_connection_timeout(3);
    c.set_read_timeout(10);
    const auto res = c.Get("/Radio/radioPersonale.asp?Id=3");
    ASSERT_TRUE(res);
    EXPECT_NE(res->body.find("<title>Radio personale - Prova</title>"), std::string::npos);

    p.terminate();
    ASSERT_TRUE(p.waitForFinished(15000));
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p.exitCode(), 0);
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("s.db"))));
}

} // namespace
