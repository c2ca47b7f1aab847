#include "options/stationpick.h"

#include "service/linerecords.h"

#include <gtest/gtest.h>

namespace {

const QString selectionTitle = QStringLiteral("Radio personale - Sonvela");

// A capture whose lines 39, 41 and 43 hold the given values.
QByteArray capture(const QByteArray &id, const QByteArray &name, const QByteArray &label)
{
    QByteArray bytes;
    for (int line = 1; line <= 38; ++line)
        bytes += "<p>line</p>\r\n";
    bytes += id + "\r\n<span>Nome</span>\r\n" + name + "\r\n<span>Etichetta</span>\r\n" + label + "\r\n</pre>\r\n";
    return bytes;
}

std::function<QByteArray()> is(const QByteArray &bytes)
{
    return [bytes] { return bytes; };
}

using Result = StationPick::Result;

TEST(StationPickTest, OutcomesOfTheSelectionWindow)
{
    const QByteArray page = capture("17", "Jazz <BR>& Blues", "Jazz<BR>");
    EXPECT_EQ(StationPick::read(false, selectionTitle, selectionTitle, is(page)).result, Result::Cancelled);
    // The title must match exactly, case included.
    EXPECT_EQ(StationPick::read(true, selectionTitle.toUpper(), selectionTitle, is(page)).result, Result::NoPick);
    EXPECT_EQ(StationPick::read(true, QStringLiteral("Scegli la tua radio"), selectionTitle, is(page)).result,
              Result::NoPick);

    const StationPick picked = StationPick::read(true, selectionTitle, selectionTitle, is(page));
    EXPECT_EQ(picked.result, Result::Picked);
    EXPECT_EQ(picked.id, 17);
    // No "<BR>" conversion on these lines.
    EXPECT_EQ(picked.name, QStringLiteral("Jazz <BR>& Blues"));
    EXPECT_EQ(picked.label, QStringLiteral("Jazz<BR>"));
}

TEST(StationPickTest, ShortOrOddCapturesGiveIdZero)
{
    // A page that stops before line 39 picks "nothing" rather than failing.
    const StationPick shortPage = StationPick::read(true, selectionTitle, selectionTitle, is("<html>\r\n</html>\r\n"));
    EXPECT_EQ(shortPage.result, Result::Picked);
    EXPECT_EQ(shortPage.id, 0);
    EXPECT_TRUE(shortPage.name.isEmpty());
    EXPECT_TRUE(shortPage.label.isEmpty());

    for (const QByteArray &id : { QByteArray("abc"), QByteArray("99999999999"), QByteArray("") })
        EXPECT_EQ(StationPick::read(true, selectionTitle, selectionTitle, is(capture(id, "N", "L"))).id, 0) << id.data();

    // Lines end at CR LF or CR only: a page with LF line ends is one line.
    QByteArray lf = capture("17", "N", "L");
    lf.replace("\r\n", "\n");
    EXPECT_EQ(StationPick::read(true, selectionTitle, selectionTitle, is(lf)).id, 0);
    EXPECT_EQ(StationPick::read(true, selectionTitle, selectionTitle, is(QByteArray(100000, '\r'))).id, 0);
}

// The record line rule ends the capture at SUB; a capture that cannot be read
// is no station at all, so the slot keeps what it had.
TEST(StationPickTest, SubEndsTheCaptureAndAnUnreadableOneIsNoStation)
{
    QByteArray ended = capture("17", "Caf\xe9", "L");
    EXPECT_EQ(StationPick::read(true, selectionTitle, selectionTitle, is(ended)).name, QStringLiteral("Café"));
    EXPECT_EQ(StationPick::read(true, selectionTitle, selectionTitle, is(ended.insert(100, '\x1a'))).id, 0);
    const auto unreadable = []() -> QByteArray { throw FileError(QStringLiteral("Cannot open tmp2SV.txt")); };
    const StationPick unread = StationPick::read(true, selectionTitle, selectionTitle, unreadable);
    EXPECT_EQ(unread.result, Result::Unreadable);
    EXPECT_EQ(unread.error, QStringLiteral("Cannot open tmp2SV.txt"));
    EXPECT_EQ(StationPick::read(true, QString(), selectionTitle, unreadable).result, Result::NoPick);
}

} // namespace
