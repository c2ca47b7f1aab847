#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

// A settings folder and a temp folder inside a fresh temporary directory,
// with XDG_CONFIG_HOME, HOME and TMPDIR pointed there for the test's life.
class SettingsSandbox : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_root.isValid());
        const QString root = m_root.path() + QLatin1Char('/');
        for (const char *name : { "XDG_CONFIG_HOME", "HOME", "TMPDIR" }) {
            m_saved.push_back(qgetenv(name));
            qputenv(name, root.toLocal8Bit());
        }
        settings = root + QStringLiteral("config/Sonvela/");
        temp = root + QStringLiteral("tmp/");
        ASSERT_TRUE(QDir().mkpath(settings));
        ASSERT_TRUE(QDir().mkpath(temp));
    }
    void TearDown() override
    {
        QFile::setPermissions(settings, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        int i = 0;
        for (const char *name : { "XDG_CONFIG_HOME", "HOME", "TMPDIR" })
            qputenv(name, m_saved[i++]);
    }

    void put(const QString &name, const QByteArray &bytes) const
    {
        QFile file(settings + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    QByteArray get(const QString &name) const
    {
        QFile file(settings + name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    bool has(const QString &name) const { return QFile::exists(settings + name); }
    // Names in the settings folder other than the given files: leftovers of a write.
    QStringList strayFiles(const QStringList &expected) const
    {
        QStringList stray = QDir(settings).entryList(QDir::Files | QDir::Hidden);
        for (const QString &name : expected)
            stray.removeAll(name);
        return stray;
    }
    static bool runningAsRoot() { return ::geteuid() == 0; }

    QString settings;
    QString temp;

private:
    QTemporaryDir m_root;
    std::vector<QByteArray> m_saved;
};

// Lines joined with CR LF, each one terminated, as the files are written.
inline QByteArray crlf(std::initializer_list<const char *> lines)
{
    QByteArray bytes;
    for (const char *line : lines)
        bytes += QByteArray(line) + "\r\n";
    return bytes;
}
