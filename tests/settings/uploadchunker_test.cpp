#include "settings/uploadchunker.h"

#include "settings/accountrequests.h"
#include "settings/loginanswer.h"

#include <QUrl>
#include <QUrlQuery>

#include <gtest/gtest.h>

namespace {

const QString Base = QStringLiteral("http://127.0.0.1:8080");

// Flags, small ids and empty names, as a fresh options file has them.
UploadEntries shortEntries()
{
    UploadEntries entries;
    for (int k = 1; k <= 53; ++k)
        entries << (k <= 2 || (k >= 20 && k <= 22) ? QStringLiteral("NO")
                : k % 3 == 2                       ? QStringLiteral("0")
                                                   : QString());
    entries[52] = QStringLiteral("1");
    return entries;
}

std::vector<UploadChunker::Chunk> drain(UploadChunker &chunker)
{
    std::vector<UploadChunker::Chunk> chunks;
    while (chunker.pending() && chunks.size() < 1000)
        chunks.push_back(chunker.take());
    return chunks;
}

// The value the server reads from the request, decoded as any server would.
QString sentValue(const QString &address, const QString &key)
{
    return QUrlQuery(QUrl(address)).queryItemValue(key, QUrl::FullyDecoded);
}

TEST(UploadChunker, NothingPendingBeforeTheFirstSave)
{
    UploadChunker chunker;
    EXPECT_FALSE(chunker.pending());
}

TEST(UploadChunker, FiftyThreeShortEntriesFitOneChunk)
{
    UploadChunker chunker;
    chunker.start(shortEntries());
    const auto chunks = drain(chunker);
    ASSERT_EQ(chunks.size(), 1u);
    EXPECT_TRUE(chunks[0].first);
    EXPECT_EQ(chunks[0].text.split(QStringLiteral("<BR>")), shortEntries());
    EXPECT_EQ(chunker.next(), 54);
}

TEST(UploadChunker, LongNamesSplitIntoChunksOfAtMost249AndEveryEntryArrives)
{
    UploadEntries entries = shortEntries();
    for (int k : { 5, 6, 7, 9, 20, 40, 51, 52 })
        entries[k - 1] = QString(k == 6 ? 200 : 120 + k, QLatin1Char('a' + k % 26));
    UploadChunker chunker;
    chunker.start(entries);
    const auto chunks = drain(chunker);
    ASSERT_GT(chunks.size(), 3u);
    QStringList received;
    for (std::size_t i = 0; i < chunks.size(); ++i) {
        EXPECT_LE(chunks[i].text.size(), UploadChunker::MaxChunk) << i;
        EXPECT_EQ(chunks[i].first, i == 0) << i;
        received += chunks[i].text.split(QStringLiteral("<BR>"));
    }
    EXPECT_EQ(received, entries);
    EXPECT_EQ(received.last(), QStringLiteral("1"));
}

TEST(UploadChunker, ChunkFillsUpToExactly249)
{
    // 200 + "<BR>" + 45 is 249 and taken; one more character is not.
    UploadEntries entries { QString(200, QLatin1Char('x')), QString(45, QLatin1Char('y')), QStringLiteral("z") };
    UploadChunker chunker;
    chunker.start(entries);
    EXPECT_EQ(chunker.take().text.size(), 249);
    EXPECT_EQ(chunker.take().text, QStringLiteral("z"));
    entries[1] = QString(46, QLatin1Char('y'));
    chunker.start(entries);
    EXPECT_EQ(chunker.take().text.size(), 200);
}

TEST(UploadChunker, ANewSaveStartsOverFromTheFirstEntry)
{
    UploadEntries entries(53, QString(150, QLatin1Char('q')));
    UploadChunker chunker;
    chunker.start(entries);
    chunker.take();
    EXPECT_FALSE(chunker.take().first);
    chunker.start(shortEntries());
    EXPECT_TRUE(chunker.take().first);
}

TEST(UploadChunker, AmpersandIsRemovedKeepingTheSpacesAround)
{
    UploadChunker chunker;
    chunker.start({ QStringLiteral("Rock & Roll") });
    const UploadChunker::Chunk chunk = chunker.take();
    EXPECT_EQ(chunk.text, QStringLiteral("Rock  Roll"));
    EXPECT_EQ(sentValue(UploadChunker::requestAddress(Base, QStringLiteral("42"), chunk), QStringLiteral("valore")),
        QStringLiteral("Rock  Roll"));
}

TEST(UploadChunker, RequestCarriesTheUserAndTheFirstMark)
{
    const UploadChunker::Chunk first { QStringLiteral("SI<BR>NO"), true };
    const UploadChunker::Chunk later { QStringLiteral("3"), false };
    EXPECT_EQ(UploadChunker::requestAddress(Base, QStringLiteral("42"), first),
        Base + QStringLiteral("/Radio/settaimpostazioni.asp?idutente=42&primo=SI&valore=SI%3CBR%3ENO"));
    EXPECT_EQ(UploadChunker::requestAddress(Base, QStringLiteral("42"), later),
        Base + QStringLiteral("/Radio/settaimpostazioni.asp?idutente=42&primo=NO&valore=3"));
}

// Unescaped, "#" would cut off the rest of the chunk and "+" become a space.
TEST(UploadChunker, SpecialCharactersReachTheServerAsWritten)
{
    const QString text = QStringLiteral("Radio #1? 100% + Citt\u00e0<BR>\u20ac");
    const QString address = UploadChunker::requestAddress(Base, QStringLiteral("42"), { text, false });
    EXPECT_FALSE(address.contains(QLatin1Char('#')));
    EXPECT_FALSE(address.contains(QLatin1Char(' ')));
    EXPECT_EQ(sentValue(address, QStringLiteral("valore")), text);
    EXPECT_EQ(sentValue(address, QStringLiteral("primo")), QStringLiteral("NO"));
}

TEST(AccountRequests, LoginCarriesNameAndPasswordIntact)
{
    const QString password = QStringLiteral("a&b#c+d e%f");
    const QString address = AccountRequests::login(Base, QStringLiteral("ada+x@example.org"), password);
    EXPECT_TRUE(address.startsWith(Base + QStringLiteral("/Radio/VerificaPsw.asp?Utente=")));
    EXPECT_EQ(sentValue(address, QStringLiteral("Utente")), QStringLiteral("ada+x@example.org"));
    EXPECT_EQ(sentValue(address, QStringLiteral("Psw")), password);
    EXPECT_EQ(AccountRequests::login(Base, QStringLiteral("ada@example.org"), QStringLiteral("pw")),
        Base + QStringLiteral("/Radio/VerificaPsw.asp?Utente=ada%40example.org&Psw=pw"));
}

TEST(AccountRequests, PrivacyAndPreferencePages)
{
    EXPECT_EQ(AccountRequests::preferences(Base, QStringLiteral("42")),
        Base + QStringLiteral("/radio/Personalizzazioni.asp?IdUtente=42"));
    EXPECT_EQ(
        AccountRequests::preferences(Base, QString()), Base + QStringLiteral("/radio/Personalizzazioni.asp?IdUtente="));
    const QString privacy = AccountRequests::privacy(Base, QStringLiteral("42"), QStringLiteral("a&b@x.org"));
    EXPECT_TRUE(privacy.startsWith(Base + QStringLiteral("/Radio/OpzioniPrivacy.asp?IdUtente=42&Utente=")));
    EXPECT_EQ(sentValue(privacy, QStringLiteral("Utente")), QStringLiteral("a&b@x.org"));
}

struct TitleCase
{
    const char *title;
    LoginAnswer::Kind kind;
    const char *id;
    bool privacy;
};

class LoginTitle : public ::testing::TestWithParam<TitleCase>
{
};

TEST_P(LoginTitle, DecidesRefusedAcceptedOrNoAnswer)
{
    const LoginAnswer answer = LoginAnswer::fromTitle(QString::fromLatin1(GetParam().title));
    EXPECT_EQ(answer.kind(), GetParam().kind);
    EXPECT_EQ(answer.userId(), QString::fromLatin1(GetParam().id));
    EXPECT_EQ(answer.hasPrivacyPage(), GetParam().privacy);
}

using K = LoginAnswer::Kind;
INSTANTIATE_TEST_SUITE_P(Table, LoginTitle,
    ::testing::Values(TitleCase { "KO", K::Refused, "", false }, TitleCase { "ko", K::Refused, "", false },
        TitleCase { "kO", K::Refused, "", false }, TitleCase { "17", K::Accepted, "17", true },
        TitleCase { "-5", K::Accepted, "-5", false }, TitleCase { "+3", K::Accepted, "+3", true },
        TitleCase { "0", K::None, "", false }, TitleCase { "-0", K::None, "", false },
        TitleCase { "abc", K::None, "", false }, TitleCase { "", K::None, "", false },
        TitleCase { "12abc", K::None, "", false }, TitleCase { "KO ", K::None, "", false },
        TitleCase { "99999999999", K::None, "", false }));

} // namespace
