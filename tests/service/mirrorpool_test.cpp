#include "service/mirrorpool.h"
#include "service/serviceaddress.h"

#include "platform/randomsource.h"

#include <gtest/gtest.h>

#include <set>

namespace {

class FixedRandom final : public RandomSource
{
public:
    explicit FixedRandom(int value) : m_value(value) {}
    int below(int) override { return m_value; }

private:
    int m_value;
};

MirrorPool poolWithHosts()
{
    MirrorPool pool;
    for (int n = 1; n <= 6; ++n)
        pool.setHost(n, QStringLiteral("mirror%1.test").arg(n));
    return pool;
}

TEST(MirrorPool, StartUpTakesTheRandomValuePlusOne)
{
    for (int value = 0; value < 6; ++value) {
        MirrorPool pool = poolWithHosts();
        FixedRandom random(value);
        pool.startUp(random);
        EXPECT_EQ(pool.index(), value + 1);
        EXPECT_EQ(pool.serverBase(), QStringLiteral("http://mirror%1.test").arg(value + 1));
    }
}

TEST(MirrorPool, SeededRandomReachesEveryMirror)
{
    SeededRandom random(7);
    std::set<int> seen;
    for (int i = 0; i < 200; ++i) {
        MirrorPool pool;
        pool.startUp(random);
        ASSERT_GE(pool.index(), 1);
        ASSERT_LE(pool.index(), 6);
        seen.insert(pool.index());
    }
    EXPECT_EQ(seen.size(), 6u);
}

TEST(MirrorPool, AdvanceWrapsFromTheLastToTheFirst)
{
    MirrorPool pool = poolWithHosts();
    pool.setIndex(5);
    pool.advance();
    EXPECT_EQ(pool.index(), 6);
    pool.advance();
    EXPECT_EQ(pool.index(), 1);
}

TEST(MirrorPool, HostsAreCutAtFiftyCharacters)
{
    MirrorPool pool;
    pool.setHost(1, QString(60, QLatin1Char('h')));
    EXPECT_EQ(pool.host(1).size(), 50);
    EXPECT_EQ(pool.serverBase().size(), 57);
    EXPECT_TRUE(pool.host(0).isEmpty());
    EXPECT_TRUE(pool.host(7).isEmpty());
}

TEST(ServiceAddress, EachPieceIsCutAtItsCapacity)
{
    EXPECT_EQ(ServiceAddress(QStringLiteral("abc")).add(QStringLiteral("defg"), 5).text(), QStringLiteral("abcde"));
    EXPECT_EQ(ServiceAddress(QStringLiteral("abc")).add(QStringLiteral("de"), 5).add(QStringLiteral("f"), 6).text(),
              QStringLiteral("abcdef"));
    // The longest server base still leaves room for the whole access address.
    const QString base = QStringLiteral("http://") + QString(50, QLatin1Char('m'));
    const QString access = ServiceAddress(base)
                               .add(QStringLiteral("/radio/AccessoSonvela.asp?versione="), 94)
                               .add(QStringLiteral("4.8"), 97)
                               .text();
    EXPECT_TRUE(access.endsWith(QStringLiteral("?versione=4.8")));
    const QString preferences = ServiceAddress(QStringLiteral("http://h"))
                                    .add(QStringLiteral("/radio/Personalizzazioni.asp?IdUtente="), 95)
                                    .addUnlimited(QString(100, QLatin1Char('9')))
                                    .text();
    EXPECT_EQ(preferences.size(), 8 + 38 + 100);
}

} // namespace
