#pragma once

#include "newsitem.h"
#include "station.h"

#include <string>
#include <vector>

// The content a fresh database starts with.
namespace SeedData {

inline constexpr int demoUserId = 1001;
inline constexpr const char *demoEmail = "demo@sonvela.local";
inline constexpr const char *demoPassword = "ascolta48";
inline constexpr int secondUserId = 1002;
inline constexpr const char *secondEmail = "prova@sonvela.local";
inline constexpr const char *secondPassword = "prova-2026";

// The station whose page says "caricamento" on its first load of each minute.
inline constexpr int slowStationId = 14;
// The news category that has nothing to show.
inline constexpr int emptyNewsCategory = 12;
inline constexpr int newsCategoryCount = 15;

const std::vector<Station> &stations();
// The 53 lines of the demo user's options, in the layout of the client's
// options file: flags, start-up station, fifteen favourite slots, language.
std::vector<std::string> demoOptions();
// The same layout with nothing chosen: no start-up station, no favourites.
std::vector<std::string> defaultOptions();
std::vector<NewsItem> news();
const char *categoryCaption(int category);

} // namespace SeedData
