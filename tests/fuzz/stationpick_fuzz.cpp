// The selection capture lines. The first byte says whether the window was
// saved and whether its page showed the selection title; the rest is the
// capture. Only a saved window on the selection page picks; the picked name
// and label are single lines, a capture too short for them gives id 0 and
// empty texts, and lines after the label never change the pick.
#include "fuzzinput.h"

#include "options/stationpick.h"
#include "service/linerecords.h"

namespace {

constexpr std::size_t LabelLine = 43;

bool samePick(const StationPick &a, const StationPick &b)
{
    return a.result == b.result && a.id == b.id && a.name == b.name && a.label == b.label;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const bool saved = (data[0] & 1) != 0;
    const QString selectionTitle = QStringLiteral("Selezione emittente");
    const QString title = (data[0] & 2) != 0 ? selectionTitle : QStringLiteral("Selezione emittente ");
    const QByteArray capture = fuzzBytes(data + 1, size - 1);
    const StationPick pick = StationPick::read(saved, title, selectionTitle, [&] { return capture; });

    if (!saved || title != selectionTitle) {
        fuzzCheck(pick.result == (saved ? StationPick::Result::NoPick : StationPick::Result::Cancelled),
                  "no pick without a saved selection page");
        fuzzCheck(pick.id == 0 && pick.name.isEmpty() && pick.label.isEmpty(), "no pick carries no station");
        return 0;
    }
    fuzzCheck(pick.result == StationPick::Result::Picked, "a saved selection page picks");
    fuzzCheck(!pick.name.contains(QLatin1Char('\r')) && !pick.label.contains(QLatin1Char('\r')),
              "name and label are single lines");
    const auto lines = readRecords(capture).size();
    if (lines < 39)
        fuzzCheck(pick.id == 0 && pick.name.isEmpty() && pick.label.isEmpty(), "a short capture picks nothing");
    if (lines >= LabelLine) {
        const StationPick longer =
            StationPick::read(saved, title, selectionTitle, [&] { return capture + "\r\nmore\r\n"; });
        fuzzCheck(samePick(pick, longer), "later lines do not change the pick");
    }
    return 0;
}
