#pragma once

#include <string>
#include <string_view>
#include <vector>

// The answers the client reads as data rather than as pages: the catalogue's
// record stream, the preference values and the selection capture.
namespace RecordFormat {

inline constexpr int catalogueRecords = 124;
inline constexpr int catalogueSlots = 15;
inline constexpr int selectionIdLine = 39;
inline constexpr int selectionNameLine = 41;
inline constexpr int selectionLabelLine = 43;

struct CatalogueEntry
{
    std::string pageUrl;
    std::string name;
    std::string label;
    std::string extra;
};

struct Catalogue
{
    std::vector<CatalogueEntry> mostClicked; // top entry first
    std::vector<CatalogueEntry> newest;      // newest first
    std::string title;
    std::string ignored;
    std::string tabCaption;
    std::string tabUrl;
};

// One value made safe for a record or a line: a line break, a SUB byte or a
// "<BR" would split it, or end the client's reading, at the wrong place.
std::string recordValue(std::string_view value);

// 124 records joined by "<BR>": slot 15 of the most-clicked list first, so
// the list's top entry leads; then the new stations slot 1 to 15; then the
// four single values. Slots beyond the lists' ends are empty records.
std::string catalogueText(const Catalogue &catalogue);

// Splits an uploaded chunk into its values.
std::vector<std::string> splitValues(std::string_view chunk);

// The header ends with the line holding "<title>"; the values follow on one
// line, joined by "<BR>". With no values the closing markup shares the title
// line, so the client's options file comes out empty, not with markup in it.
std::string preferencesPage(const std::vector<std::string> &values);

struct Pick
{
    int id = 0;
    std::string name;
    std::string label;
};

// The page shown after a pick, CR LF line ends; the id, name and label sit on
// lines 39, 41 and 43 of its source.
std::string selectionPickPage(const Pick &pick, std::string_view siteName, std::string_view backLink);

} // namespace RecordFormat
