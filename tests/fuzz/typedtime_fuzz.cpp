// The typed-time rule and its time key. The first byte picks the locale's
// separator; the rest is what the user typed. An accepted time is shown in
// the system's format, which reads back as the same time; the key is the
// typed digits in order behind at most two padding zeros, and a typed
// "HH<sep>MM" gives exactly the clock's key for that time.
#include "fuzzinput.h"

#include "options/timeformat.h"
#include "options/typedtime.h"

#include <QRegularExpression>

namespace {

QString digitsOf(const QString &text)
{
    QString digits;
    for (const QChar c : text) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digits += c;
    }
    return digits;
}

void checkKey(const QString &answer)
{
    const QString key = TypedTime::key(answer);
    const QString digits = digitsOf(answer);
    fuzzCheck(key.endsWith(digits), "the key ends with the typed digits");
    const QString padding = key.left(key.size() - digits.size());
    fuzzCheck(padding.size() <= 2 && padding.count(QLatin1Char('0')) == padding.size(),
              "at most two zeros pad the key");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const TimeFormat format(data[0] % 2 == 0 ? QLatin1Char(':') : QLatin1Char('.'));
    const QString answer = QString::fromUtf8(fuzzBytes(data + 1, size - 1));
    checkKey(answer);

    const TypedTime typed = TypedTime::read(answer, format);
    const bool cancels = answer.isEmpty() || answer == TypedTime::placeholder();
    fuzzCheck((typed.status == TypedTime::Status::Cancelled) == cancels, "only an untouched box cancels");
    if (typed.status != TypedTime::Status::Accepted) {
        fuzzCheck(typed.shown.isEmpty() && typed.timeKey.isEmpty(), "a refused time leaves the cells empty");
        return 0;
    }
    const auto shown = format.parse(typed.shown);
    fuzzCheck(shown.has_value() && format.format(*shown) == typed.shown, "the shown time reads back");
    fuzzCheck(typed.shown.size() == 8, "the shown time is hh<sep>mm<sep>ss");
    fuzzCheck(typed.timeKey == TypedTime::key(answer), "the entry keeps the answer's key");
    static const QRegularExpression exact(QStringLiteral("^[0-9]{2}(.)[0-9]{2}$"));
    const QRegularExpressionMatch match = exact.match(answer);
    if (match.hasMatch() && match.captured(1) == QString(format.separator()))
        fuzzCheck(typed.timeKey == TypedTime::clockKey(shown->hour(), shown->minute()),
                  "a typed hh<sep>mm matches its clock");
    return 0;
}
