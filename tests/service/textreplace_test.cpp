#include "service/textreplace.h"

#include <gtest/gtest.h>

namespace {

// The definition, literally: replace the first occurrence, search again from
// the start. Quadratic, used only to check the linear one on small inputs.
QByteArray restartingReplace(QByteArray text, const QByteArray &pattern, const QByteArray &replacement)
{
    qsizetype at = text.indexOf(pattern);
    while (at >= 0) {
        text.remove(at, pattern.size());
        text.insert(at, replacement);
        at = text.indexOf(pattern);
    }
    return text;
}

struct ReplaceCase
{
    const char *text;
    const char *pattern;
    const char *replacement;
};

class ReplaceAllMatchesDefinition : public ::testing::TestWithParam<ReplaceCase>
{
};

TEST_P(ReplaceAllMatchesDefinition, SameResultAsRestartingSearch)
{
    const ReplaceCase c = GetParam();
    EXPECT_EQ(replaceAll(QByteArray(c.text), QByteArray(c.pattern), QByteArray(c.replacement)),
              restartingReplace(QByteArray(c.text), QByteArray(c.pattern), QByteArray(c.replacement)));
}

// The deletions are where a single left-to-right pass goes wrong: removing
// "ab" from "aabb" joins the outer letters into a new "ab".
INSTANTIATE_TEST_SUITE_P(Cases, ReplaceAllMatchesDefinition,
                         ::testing::Values(ReplaceCase{"aabb", "ab", ""}, ReplaceCase{"aaabbb", "ab", ""},
                                           ReplaceCase{"a&&b&", "&", ""}, ReplaceCase{"x<BR>y<BR>", "<BR>", "<BR1><BR2>"},
                                           ReplaceCase{"<B<BR1>R1>", "<BR1>", "\r"}, ReplaceCase{"", "<BR>", "x"},
                                           ReplaceCase{"<BR", "<BR>", "x"}, ReplaceCase{"aaab", "aab", "a"},
                                           ReplaceCase{"abab", "ab", "b"}, ReplaceCase{"<BR><BR>", "<BR>", ""}));

TEST(ReplaceAll, RandomTextsAgreeWithTheDefinition)
{
    std::uint32_t state = 12345;
    auto next = [&] { return state = state * 1103515245u + 12345u; };
    const char alphabet[] = "ab<>";
    for (int round = 0; round < 400; ++round) {
        QByteArray text;
        const int length = static_cast<int>(next() % 24);
        for (int i = 0; i < length; ++i)
            text += alphabet[(next() >> 16) % 4];
        const QByteArray pattern = QByteArray("ab<").left(1 + static_cast<int>((next() >> 16) % 3));
        const QByteArray replacement = QByteArray("b<a").left(static_cast<int>((next() >> 16) % 3));
        ASSERT_EQ(replaceAll(text, pattern, replacement), restartingReplace(text, pattern, replacement))
            << text.constData() << " / " << pattern.constData() << " -> " << replacement.constData();
    }
}

TEST(ReplaceAll, ReplacementHoldingThePatternEndsInsteadOfLoopingForever)
{
    EXPECT_EQ(replaceAll(QByteArray("a-a"), QByteArray("a"), QByteArray("aa")), QByteArray("aa-aa"));
}

TEST(ReplaceAll, EmptyPatternLeavesTextAlone)
{
    EXPECT_EQ(replaceAll(QByteArray("abc"), QByteArray(), QByteArray("x")), QByteArray("abc"));
}

TEST(ReplaceAll, WorksOnTextToo)
{
    EXPECT_EQ(replaceAll(QStringLiteral("a&b&&c"), QStringLiteral("&"), QString()), QStringLiteral("abc"));
}

} // namespace
