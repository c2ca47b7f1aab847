#include "platform/deployment.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

TEST(Deployment, DefaultsNameTheStandInOnLoopback)
{
    const Deployment d = Deployment::defaults();
    EXPECT_EQ(d.mirrors[0], QStringLiteral("127.0.0.1:18081"));
    EXPECT_EQ(d.mirrors[5], QStringLiteral("127.0.0.1:18086"));
    EXPECT_EQ(d.product, QStringLiteral("127.0.0.1:18090"));
    EXPECT_EQ(d.maker, QStringLiteral("127.0.0.1:18091"));
    EXPECT_EQ(d.partner2, QStringLiteral("127.0.0.1:18093"));
}

TEST(Deployment, KeysOverrideDefaultsAndMissingKeysKeepThem)
{
    const QString text = QStringLiteral("; deployment\n[service]\nmirror3 = radio3.example:8080   ; third\n"
                                        "selection_title=Radio personale - Example\nstations = m3u:/home/me/radio.m3u\n"
                                        "[sites]\nmaker=maker.example\n");
    const DeploymentReading r = parseDeployment(text, QStringLiteral("d.ini"));
    EXPECT_TRUE(r.problems.isEmpty()) << r.problems.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(r.deployment.mirrors[2], QStringLiteral("radio3.example:8080"));
    EXPECT_EQ(r.deployment.mirrors[0], QStringLiteral("127.0.0.1:18081"));
    EXPECT_EQ(r.deployment.selectionTitle, QStringLiteral("Radio personale - Example"));
    EXPECT_EQ(r.deployment.stations, QStringLiteral("m3u:/home/me/radio.m3u"));
    EXPECT_EQ(r.deployment.maker, QStringLiteral("maker.example"));
    EXPECT_EQ(r.deployment.makerAddress(), QStringLiteral("http://maker.example"));
}

TEST(Deployment, AboutLinesFollowTheMakerUnlessSet)
{
    const DeploymentReading plain =
        parseDeployment(QStringLiteral("[sites]\nmaker=maker.example\n"), QStringLiteral("d.ini"));
    EXPECT_EQ(plain.deployment.siteAddress(), QStringLiteral("http://maker.example"));
    EXPECT_EQ(plain.deployment.forumAddress(), QStringLiteral("http://maker.example/forum"));
    EXPECT_FALSE(plain.deployment.credit.isEmpty());

    const DeploymentReading set = parseDeployment(
        QStringLiteral("[about]\nsite=https://www.maker.example\nforum=https://forum.maker.example/sonvela\n"
                       "credit=Studio Maker, Torino\ntranslators=English: Ann | | Français: Luc |Español: Sol\n"),
        QStringLiteral("d.ini"));
    EXPECT_TRUE(set.problems.isEmpty()) << set.problems.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(set.deployment.siteAddress(), QStringLiteral("https://www.maker.example"));
    EXPECT_EQ(set.deployment.forumAddress(), QStringLiteral("https://forum.maker.example/sonvela"));
    EXPECT_EQ(set.deployment.credit, QStringLiteral("Studio Maker, Torino"));
    EXPECT_EQ(set.deployment.translators,
              (QStringList{QStringLiteral("English: Ann"), QStringLiteral("Français: Luc"), QStringLiteral("Español: Sol")}));
}

struct BadLine
{
    const char *text;
    int line;
};

class DeploymentBadLines : public ::testing::TestWithParam<BadLine>
{
};

// Each bad line is named with its file and line, and the good lines still count.
TEST_P(DeploymentBadLines, ReportedWithFileAndLineAndSkipped)
{
    const BadLine c = GetParam();
    const DeploymentReading r = parseDeployment(QString::fromUtf8(c.text), QStringLiteral("/etc/sonvela/deployment.ini"));
    ASSERT_EQ(r.problems.size(), 1) << r.problems.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(r.problems.first().startsWith(QStringLiteral("/etc/sonvela/deployment.ini, line %1:").arg(c.line)))
        << r.problems.first().toStdString();
    EXPECT_EQ(r.deployment.mirrors[1], QStringLiteral("good.example"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DeploymentBadLines,
    ::testing::Values(BadLine{"[service]\nmirror2=good.example\nnonsense\n", 3},
                      BadLine{"[service]\nmirror2=good.example\nmirror9=x\n", 3},
                      BadLine{"[service]\nmirror2=good.example\nmirror1=" "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa\n", 3},
                      BadLine{"[service\n[service]\nmirror2=good.example\n", 1},
                      BadLine{"[service]\nmirror2=good.example\nstations=directory=http://x\n", 3},
                      BadLine{"[service]\nmirror2=good.example\n[sites]\nproduct=\n", 4},
                      // The About links go to the default browser: no local files or scripts.
                      BadLine{"[service]\nmirror2=good.example\n[about]\nforum=file:///etc/passwd\n", 4},
                      BadLine{"[service]\nmirror2=good.example\n[about]\nsite=javascript:alert(1)\n", 4}));

TEST(Deployment, LoadTakesTheFirstFolderThatHasAFile)
{
    QTemporaryDir first, second;
    QFile file(second.filePath(QStringLiteral("deployment.ini")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[sites]\nproduct=shop.example\n");
    file.close();
    const DeploymentReading r = loadDeployment({first.path() + QLatin1Char('/'), second.path() + QLatin1Char('/')});
    EXPECT_EQ(r.deployment.product, QStringLiteral("shop.example"));
    EXPECT_EQ(r.source, file.fileName());
}

TEST(Deployment, NoFileMeansDefaultsAndNoProblem)
{
    QTemporaryDir dir;
    const DeploymentReading r = loadDeployment({dir.path() + QLatin1Char('/')});
    EXPECT_TRUE(r.source.isEmpty());
    EXPECT_TRUE(r.problems.isEmpty());
}

TEST(Deployment, UnreadableFileIsReportedAndDefaultsKept)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root reads any file";
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("deployment.ini")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    file.setPermissions({});
    const DeploymentReading r = loadDeployment({dir.path() + QLatin1Char('/')});
    ASSERT_EQ(r.problems.size(), 1);
    EXPECT_EQ(r.deployment.product, Deployment::defaults().product);
}

} // namespace

namespace {

// The installed example documents every key: read as a deployment it is
// valid, and each of its values replaces a built-in one.
TEST(Deployment, InstalledExampleIsValidAndSetsEveryKey)
{
    const QString path = QString::fromLocal8Bit(qgetenv("SONVELA_SOURCE_DIR")) + QStringLiteral("/dist/deployment.ini.example");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    const DeploymentReading r = parseDeployment(QString::fromUtf8(file.readAll()), path);
    EXPECT_TRUE(r.problems.isEmpty()) << r.problems.join(QLatin1Char('\n')).toStdString();
    const Deployment &d = r.deployment;
    const Deployment built = Deployment::defaults();
    for (std::size_t i = 0; i < d.mirrors.size(); ++i)
        EXPECT_NE(d.mirrors[i], built.mirrors[i]) << "mirror" << i + 1;
    const std::pair<QString, QString> fields[] = {
        {d.selectionTitle, built.selectionTitle}, {d.product, built.product},   {d.maker, built.maker},
        {d.partner1, built.partner1},             {d.partner2, built.partner2}, {d.productDomain, built.productDomain},
        {d.makerDomain, built.makerDomain},       {d.site, built.site},         {d.forum, built.forum},
        {d.credit, built.credit}};
    for (const auto &[value, builtIn] : fields)
        EXPECT_NE(value, builtIn) << value.toStdString();
    EXPECT_NE(d.translators, built.translators);
}

} // namespace
