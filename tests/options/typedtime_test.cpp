#include "options/timeformat.h"
#include "options/typedtime.h"

#include <gtest/gtest.h>

namespace {

using Status = TypedTime::Status;

struct TypedCase
{
    const char *separator;
    const char *answer;
    Status status;
    const char *shown;
    const char *key;
};

// "Ora" and the key as the user sees them, for the separator of the locale.
const TypedCase typedCases[] = {
    { ".", "9.30", Status::Accepted, "09.30.00", "0930" },
    { ".", "09.30", Status::Accepted, "09.30.00", "0930" },
    { ".", "21.05", Status::Accepted, "21.05.00", "2105" },
    // Accepted, but "095" never matches a clock.
    { ".", "9.5", Status::Accepted, "09.05.00", "095" },
    // Seconds parse on the second try; "093015" never matches either.
    { ".", "9.30.15", Status::Accepted, "09.30.15", "093015" },
    { ".", " 9.30 ", Status::Accepted, "09.30.00", "0930" },
    { ".", "", Status::Cancelled, "", "" },
    { ".", "hh.mm", Status::Cancelled, "", "" },
    { ".", "930", Status::BadFormat, "", "" },
    { ".", "25.99", Status::BadFormat, "", "" },
    { ".", "9.60", Status::BadFormat, "", "" },
    { ".", "nove.trenta", Status::BadFormat, "", "" },
    { ".", "9.30.15.00", Status::BadFormat, "", "" },
    { ".", "9:30", Status::BadFormat, "", "" },
    { ".", "-1.30", Status::BadFormat, "", "" },
    { ".", "123.30", Status::BadFormat, "", "" },
    // Where the locale writes ":", the form the prompt offers still counts,
    // shown the locale's way with the same key; the placeholder still cancels.
    { ":", "9:30", Status::Accepted, "09:30:00", "0930" },
    { ":", "23:59:59", Status::Accepted, "23:59:59", "235959" },
    { ":", "11.42", Status::Accepted, "11:42:00", "1142" },
    { ":", "9.30.15", Status::Accepted, "09:30:15", "093015" },
    { ":", "9.30:15", Status::BadFormat, "", "" },
    { ":", "9.60", Status::BadFormat, "", "" },
    { ":", "hh.mm", Status::Cancelled, "", "" },
};

TEST(TypedTimeTest, AnswersGiveTheirOraAndKey)
{
    for (const TypedCase &c : typedCases) {
        const TypedTime typed = TypedTime::read(QString::fromUtf8(c.answer), TimeFormat(QLatin1Char(*c.separator)));
        EXPECT_EQ(typed.status, c.status) << c.separator << " " << c.answer;
        EXPECT_EQ(typed.shown, QLatin1String(c.shown)) << c.answer;
        EXPECT_EQ(typed.timeKey, QLatin1String(c.key)) << c.answer;
    }
}

TEST(TypedTimeTest, LongAnswersAreRejectedWhole)
{
    const QString answer = QStringLiteral("9.30") + QString(196, QLatin1Char('0'));
    EXPECT_EQ(TypedTime::read(answer, TimeFormat(QLatin1Char('.'))).status, Status::BadFormat);
    EXPECT_EQ(TypedTime::read(QString(200, QLatin1Char('.')), TimeFormat(QLatin1Char('.'))).status,
              Status::BadFormat);
}

TEST(TypedTimeTest, KeyRuleAndClockKey)
{
    EXPECT_EQ(TypedTime::key(QStringLiteral("930")), QStringLiteral("930"));
    EXPECT_EQ(TypedTime::key(QStringLiteral("..7")), QStringLiteral("007"));
    EXPECT_EQ(TypedTime::key(QStringLiteral("12.3.4")), QStringLiteral("1234"));
    EXPECT_EQ(TypedTime::clockKey(9, 30), QStringLiteral("0930"));
    EXPECT_EQ(TypedTime::clockKey(0, 5), QStringLiteral("0005"));
    EXPECT_EQ(TypedTime::clockKey(21, 5), QStringLiteral("2105"));
}

TEST(TypedTimeTest, SystemSeparatorIsNeverALetterOrDigit)
{
    const QChar separator = TimeFormat::system().separator();
    EXPECT_FALSE(separator.isLetterOrNumber());
    EXPECT_FALSE(separator.isSpace());
}

} // namespace
