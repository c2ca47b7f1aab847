#pragma once

#include <functional>

class Dialogs;

// Runs one read of a file at start-up. A file that exists but cannot be read
// (a folder of that name, no permission) is reported in an error box and the
// start-up goes on without it; false then.
bool readReported(Dialogs &dialogs, const std::function<void()> &read);
