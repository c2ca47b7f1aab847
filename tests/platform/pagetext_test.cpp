#include "platform/pagetext.h"

#include <gtest/gtest.h>

namespace {

TEST(PageText, Utf8WithWindows1252Fallback)
{
    EXPECT_EQ(decodePageText("Radio Citt\xc3\xa0"), QStringLiteral("Radio Città"));
    // Invalid UTF-8: every byte read as Windows-1252, the euro sign included.
    EXPECT_EQ(decodePageText("Citt\xe0 \x80"), QStringLiteral("Città €"));
    EXPECT_EQ(decodePageText(QByteArray("\xef\xbb\xbfx")), QStringLiteral("x"));
}

struct TitleCase
{
    const char *html;
    const char *title;
};

class TitleExtraction : public ::testing::TestWithParam<TitleCase>
{
};

TEST_P(TitleExtraction, AsABrowserShowsIt)
{
    EXPECT_EQ(extractTitle(GetParam().html), QString::fromUtf8(GetParam().title));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TitleExtraction,
    ::testing::Values(TitleCase{"<html><head><title>accessoOK</title>", "accessoOK"},
                      TitleCase{"<TITLE>\r\n  RADIO:-Rock &amp; Roll\r\n</TITLE>", "RADIO:-Rock & Roll"},
                      TitleCase{"<titlex>no</titlex><title lang=\"it\">yes</title>", "yes"},
                      TitleCase{"<title>caf&#233; &#x41;&lt;&gt;&unknown;</title>", "café A<>&unknown;"},
                      TitleCase{"<title>unterminated", "unterminated"}, TitleCase{"no title here", ""},
                      TitleCase{"<title", ""}, TitleCase{"<title>&#0;&#xD800;&#99999999;</title>", "&#0;&#xD800;&#99999999;"}));

} // namespace
