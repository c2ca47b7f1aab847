// The stand-in's database, written by a child that is killed at random
// moments: it always opens again with the old or the new options, whole.
#include "database.h"
#include "seeddata.h"

#include "support/killsaving.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <iostream>

namespace {

std::vector<std::string> optionValues(int count, char mark)
{
    std::vector<std::string> values;
    for (int i = 0; i < count; ++i)
        values.push_back(std::string(static_cast<std::size_t>(i % 50 + 1), mark));
    return values;
}

TEST(StandinDatabase, AKilledWriterLeavesTheOldOrTheNewOptions)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("standin.db")).toStdString();
    const auto older = optionValues(53, 'o');
    const auto newer = optionValues(Database::MaxOptionValues, 'n');
    Database(path).replaceOptions(SeedData::demoUserId, older);

    std::mt19937 random(17);
    const int rounds = killRounds(15);
    for (int round = 0; round < rounds; ++round) {
        ASSERT_TRUE(killWhileSaving(
            [&] {
                Database db(path);
                for (;;) {
                    db.replaceOptions(SeedData::demoUserId, newer);
                    db.replaceOptions(SeedData::demoUserId, older);
                }
            },
            random, 50000));
        const auto now = Database(path).options(SeedData::demoUserId);
        ASSERT_TRUE(now == older || now == newer) << "after kill " << round + 1 << ": " << now.size() << " values";
    }
    std::cout << rounds << " kills, 0 damaged databases\n";
}

} // namespace
