// Each way a mirror can be told to fail, set at start and at run time.
#include "standinfixture.h"

#include "service/linerecords.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {

constexpr const char *accessPath = "/radio/AccessoSonvela.asp?versione=4.8&Personalizzazione=0&Radio=0";
constexpr const char *cataloguePath = "/Radio/CaricaDati.asp?id=0&idRadio=0";
constexpr const char *stripPath = "/Radio/radio.asp?dettaglio=0&Radio=0";

class Faults : public StandinFixture
{
protected:
    void TearDown() override
    {
        for (int m = 1; m <= 6; ++m)
            server().setFault(m, FaultMode::None, nullptr);
    }

    static std::string admin(const std::string &query, int expectedStatus = 200)
    {
        const auto res = client(server().config().productPort())->Get("/admin/fault" + query);
        if (!res) {
            ADD_FAILURE() << "admin: no answer";
            return {};
        }
        EXPECT_EQ(res->status, expectedStatus) << query;
        return res->body;
    }

    static std::size_t catalogueRecords(int m)
    {
        const auto res = mirror(m)->Get(cataloguePath);
        return res ? readRecords(normaliseCapture(QByteArray::fromStdString(res->body), false)).size() : 0;
    }
};

std::string titleAt(int status, const httplib::Result &res)
{
    if (!res)
        return "(refused)";
    EXPECT_EQ(res->status, status);
    return titleOf(res->body);
}

TEST_F(Faults, BadAccessChangesOnlyTheAccessTitleOfThatMirror)
{
    admin("?mirror=2&mode=badaccess");
    EXPECT_NE(titleAt(200, mirror(2)->Get(accessPath)), "accessoOK");
    EXPECT_EQ(titleAt(200, mirror(2)->Get(stripPath)), "sponsor");
    EXPECT_EQ(catalogueRecords(2), 124u);
    EXPECT_EQ(titleAt(200, mirror(1)->Get(accessPath)), "accessoOK");
    admin("?mirror=2&mode=none");
    EXPECT_EQ(titleAt(200, mirror(2)->Get(accessPath)), "accessoOK");
}

TEST_F(Faults, BadSponsorChangesEveryStripSpellingButNothingElse)
{
    admin("?mirror=3&mode=badsponsor");
    for (const char *path : {stripPath, "/Radio/hot/sponsor.asp?dettaglio=0&Radio=0", "/Radio/Hot/sponsor.asp"})
        EXPECT_NE(titleAt(200, mirror(3)->Get(path)), "sponsor") << path;
    EXPECT_EQ(titleAt(200, mirror(3)->Get(accessPath)), "accessoOK");
    EXPECT_EQ(titleAt(200, mirror(4)->Get(stripPath)), "sponsor");
}

TEST_F(Faults, GarbageCatalogueHoldsASubByteAndNotTheLayout)
{
    admin("?mirror=4&mode=garbage");
    const auto res = mirror(4)->Get(cataloguePath);
    ASSERT_TRUE(res);
    EXPECT_NE(res->body.find('\x1a'), std::string::npos);
    EXPECT_EQ(res->body.find("<BR>"), std::string::npos);
    EXPECT_NE(catalogueRecords(4), 124u);
    EXPECT_EQ(titleAt(200, mirror(4)->Get(accessPath)), "accessoOK");
}

TEST_F(Faults, EmptyAnswersEveryPageWithNothing)
{
    admin("?mirror=5&mode=empty");
    for (const char *path : {accessPath, cataloguePath, stripPath}) {
        const auto res = mirror(5)->Get(path);
        ASSERT_TRUE(res);
        EXPECT_EQ(res->status, 200);
        EXPECT_TRUE(res->body.empty()) << path;
    }
}

TEST_F(Faults, Error500AnswersEveryPageWithAServerError)
{
    admin("?mirror=6&mode=error500");
    for (const char *path : {accessPath, cataloguePath, stripPath})
        EXPECT_NE(titleAt(500, mirror(6)->Get(path)), "accessoOK");
    EXPECT_EQ(titleAt(200, mirror(1)->Get(accessPath)), "accessoOK");
}

TEST_F(Faults, SlowWaitsItsDelayAndThenAnswersNormally)
{
    ASSERT_TRUE(server().setFault(1, FaultMode::Slow, nullptr));
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(titleAt(200, mirror(1)->Get(accessPath)), "accessoOK");
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(server().config().slowMs));
}

TEST_F(Faults, RefusedClosesThePortUntilTheFaultIsCleared)
{
    admin("?mirror=2&mode=refused");
    EXPECT_EQ(titleAt(200, mirror(2)->Get(accessPath)), "(refused)");
    EXPECT_EQ(titleAt(200, mirror(3)->Get(accessPath)), "accessoOK");
    // Setting another fault opens it again with that fault.
    admin("?mirror=2&mode=badaccess");
    EXPECT_EQ(titleAt(200, mirror(2)->Get(accessPath)), "Servizio non disponibile");
    admin("?mirror=2&mode=refused");
    admin("?mirror=2&mode=none");
    EXPECT_EQ(titleAt(200, mirror(2)->Get(accessPath)), "accessoOK");
}

TEST_F(Faults, AdminListsTheFaultsAndRefusesBadRequests)
{
    const auto product = client(server().config().productPort());
    const auto posted = product->Post("/admin/fault", "mirror=3&mode=slow", "application/x-www-form-urlencoded");
    ASSERT_TRUE(posted);
    EXPECT_EQ(posted->status, 200);
    EXPECT_EQ(server().fault(3), FaultMode::Slow);
    EXPECT_NE(admin("").find("mirror 3 (port " + std::to_string(server().config().mirrorPort(3)) + "): slow"),
              std::string::npos);
    for (const char *bad : {"?mirror=0&mode=slow", "?mirror=7&mode=slow", "?mirror=x&mode=slow",
                            "?mirror=2&mode=sleepy", "?mirror=2", "?mode=slow"})
        admin(bad, 400);
    EXPECT_EQ(server().fault(2), FaultMode::None);
}

TEST(FaultsAtStart, AFaultGivenAtStartIsInForceFromTheFirstRequest)
{
    StandinConfig config;
    config.faults[0] = FaultMode::Refused;
    config.faults[1] = FaultMode::Error500;
    auto standin = StandinFixture::startOnFreePorts(config);
    ASSERT_NE(standin, nullptr);
    httplib::Client one("127.0.0.1", standin->config().mirrorPort(1));
    one.set_connection_timeout(3);
    EXPECT_FALSE(one.Get("/radio/AccessoSonvela.asp"));
    httplib::Client two("127.0.0.1", standin->config().mirrorPort(2));
    const auto res = two.Get("/radio/AccessoSonvela.asp");
    ASSERT_TRUE(res);
    EXPECT_EQ(res->status, 500);
    standin->stop();
    EXPECT_FALSE(two.Get("/radio/AccessoSonvela.asp"));
}

} // namespace
