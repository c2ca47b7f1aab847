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

QByteArray lfOnly(QByteArray bytes) { return bytes.replace("\r\n", "\n"); }

using Result = StationPick::Result;

struct PickCase
{
    const char *what;
    bool saved;
    QString title;
    std::function<QByteArray()> capture;
    Result result;
    int id;
    const char *name;
    const char *label;
};

TEST(StationPickTest, OutcomesOfTheSelectionWindow)
{
    const QByteArray page = capture("17", "Jazz <BR>& Blues", "Jazz<BR>");
    const auto is = [](QByteArray bytes) { return [bytes] { return bytes; }; };
    const auto unreadable = [] () -> QByteArray { throw FileError(QStringLiteral("Cannot open file \"tmp2SV.txt\".")); };
    QByteArray ended = capture("17", "N", "L");
    ended.insert(ended.indexOf("17\r\n"), '\x1a');
    const PickCase cases[] = {
        {"left without saving", false, selectionTitle, is(page), Result::Cancelled, 0, "", ""},
        {"title differs in case", true, selectionTitle.toUpper(), is(page), Result::NoPick, 0, "", ""},
        {"another page", true, QStringLiteral("Scegli la tua radio"), is(page), Result::NoPick, 0, "", ""},
        {"unread capture of no pick", true, QString(), unreadable, Result::NoPick, 0, "", ""},
        // No "<BR>" conversion on these lines.
        {"picked", true, selectionTitle, is(page), Result::Picked, 17, "Jazz <BR>& Blues", "Jazz<BR>"},
        {"Windows-1252 name", true, selectionTitle, is(capture("5", "Caf\xe9", "C")), Result::Picked, 5, "Café", "C"},
        // A page that stops before line 39 picks "nothing" rather than failing.
        {"short page", true, selectionTitle, is("<html>\r\n</html>\r\n"), Result::Picked, 0, "", ""},
        {"ended by SUB before the id", true, selectionTitle, is(ended), Result::Picked, 0, "", ""},
        {"id no number", true, selectionTitle, is(capture("abc", "N", "L")), Result::Picked, 0, "N", "L"},
        {"id too big", true, selectionTitle, is(capture("99999999999", "N", "L")), Result::Picked, 0, "N", "L"},
        // Lines end at CR LF or CR only: a page with LF line ends is one line.
        {"LF line ends", true, selectionTitle, is(lfOnly(capture("17", "N", "L"))), Result::Picked, 0, "", ""},
        {"only CRs", true, selectionTitle, is(QByteArray(100000, '\r')), Result::Picked, 0, "", ""},
        {"capture cannot be read", true, selectionTitle, unreadable, Result::Unreadable, 0, "", ""},
    };
    for (const PickCase &c : cases) {
        const StationPick pick = StationPick::read(c.saved, c.title, selectionTitle, c.capture);
        EXPECT_EQ(pick.result, c.result) << c.what;
        EXPECT_EQ(pick.id, c.id) << c.what;
        EXPECT_EQ(pick.name, QString::fromUtf8(c.name)) << c.what;
        EXPECT_EQ(pick.label, QString::fromUtf8(c.label)) << c.what;
        EXPECT_EQ(pick.error.contains(QLatin1String("tmp2SV.txt")), c.result == Result::Unreadable) << c.what;
    }
}

} // namespace
