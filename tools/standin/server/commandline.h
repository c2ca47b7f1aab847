#pragma once

#include "standinconfig.h"

#include <string>
#include <vector>

struct CommandLine
{
    StandinConfig config;
    bool showHelp = false;
    std::string error; // empty when the arguments were understood
};

// Options may be given as "--name value" or "--name=value".
CommandLine parseCommandLine(const std::vector<std::string> &arguments);
std::string helpText();
