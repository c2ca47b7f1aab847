// Saving every settings file in a child that is killed at random moments:
// afterwards each file is its old or its new version, byte for byte.
#include "sandbox.h"

#include "support/killsaving.h"

#include "settings/accountfile.h"
#include "settings/newsfile.h"
#include "settings/optionsfile.h"
#include "settings/playlistfile.h"
#include "settings/proxyfile.h"

#include <QDir>

#include <iostream>
#include <map>

namespace {

// One version of everything the program saves; `size` makes the files long
// enough that a kill often lands inside a write.
struct SavedSettings
{
    OptionsRecord options;
    ProxySettings proxy;
    UserAccount account;
    NewsChoice news;
    std::vector<PlaylistRow> playlist;

    explicit SavedSettings(int size, char mark)
    {
        const QString text = QString(size, QLatin1Char(mark));
        options.startupStation = {size, text};
        for (int slot = 0; slot < 15; ++slot)
            options.personalStations[static_cast<std::size_t>(slot)] = {slot + size, text, text.left(slot)};
        options.languageIndex = size % 4 + 1;
        proxy = {text, QString::number(size), size % 2 == 0};
        account = {text, text, QString::number(size)};
        news = {QString::number(size % 15), size};
        for (int row = 0; row < 20; ++row)
            playlist.push_back({QStringLiteral("09.30.00"), QStringLiteral("0930"), QString::number(row), text, text});
    }

    void save(const QString &folder) const
    {
        OptionsFile::write(folder, options);
        ProxyFile::write(folder, proxy);
        AccountFile::write(folder, account);
        NewsFile::write(folder, news);
        PlaylistFile::write(folder, playlist);
    }
};

const QStringList fileNames = {QStringLiteral("OpzSV.txt"), QStringLiteral("PrxSV.txt"), QStringLiteral("UsrSV.txt"),
                               QStringLiteral("NewsSV.txt"), QStringLiteral("Progrvlm.txt")};

using KillWhileSaving = SettingsSandbox;

TEST_F(KillWhileSaving, EverySettingsFileIsTheOldOrTheNewVersion)
{
    const SavedSettings older(40, 'o');
    const SavedSettings newer(4000, 'n');
    std::map<QString, std::pair<QByteArray, QByteArray>> versions;
    newer.save(settings);
    for (const QString &name : fileNames)
        versions[name].second = get(name);
    older.save(settings);
    for (const QString &name : fileNames)
        versions[name].first = get(name);

    std::mt19937 random(17);
    const int rounds = killRounds(40);
    int insideAWrite = 0;
    for (int round = 0; round < rounds; ++round) {
        ASSERT_TRUE(killWhileSaving(
            [&] {
                for (;;) {
                    newer.save(settings);
                    older.save(settings);
                }
            },
            random, 20000));
        for (const QString &name : fileNames) {
            const QByteArray now = get(name);
            ASSERT_TRUE(now == versions[name].first || now == versions[name].second)
                << name.toStdString() << " damaged after kill " << round + 1 << ": " << now.size() << " bytes";
        }
        // A kill inside a write leaves the unfinished new file beside the old one.
        const QStringList stray = strayFiles(fileNames);
        insideAWrite += stray.isEmpty() ? 0 : 1;
        for (const QString &name : stray)
            QFile::remove(settings + name);
    }
    std::cout << rounds << " kills, " << insideAWrite << " inside a write, 0 damaged files\n";
}

} // namespace
