#pragma once

#include <string_view>

// The player page's script: it starts the page's `<audio id="player">` and,
// whenever the stream drops, fails or stops moving while the listener has not
// paused, asks the station's server for its stream again, waiting longer
// after each failed try, and says so in the page.
std::string_view playerScript();
