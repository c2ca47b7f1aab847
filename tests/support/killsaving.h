#pragma once

#include <functional>
#include <random>

// Crash tests: a forked child runs `saveForever` (which never returns) and
// is killed with SIGKILL after a random delay of up to `maxDelayUs`. Returns
// false when the child could not be started or did not die by the signal
// (a save that threw in the child ends it at once, so that shows too).
bool killWhileSaving(const std::function<void()> &saveForever, std::mt19937 &random, int maxDelayUs);

// How many kills a crash test makes: SONVELA_KILLS when set (a long run by
// hand), else `fallback`.
int killRounds(int fallback);
