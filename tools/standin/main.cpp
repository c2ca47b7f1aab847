#include "commandline.h"
#include "standinserver.h"

#include <csignal>
#include <cstdlib>
#include <iostream>
#include <pthread.h>

int main(int argc, char **argv)
{
    CommandLine command = parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (command.showHelp) {
        std::cout << helpText();
        return 0;
    }
    if (!command.error.empty()) {
        std::cerr << "sonvela-standin: " << command.error << '\n';
        return 2;
    }

    // The directory's stations of the user's country join the import.
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char *locale = std::getenv(variable);
        if (locale && *locale) {
            command.config.countryCode = countryOfLocale(locale);
            break;
        }
    }

    // Block the stop signals before any thread starts, so that every thread
    // inherits the mask and only sigwait below ever sees them.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    StandinServer server(command.config);
    std::string error;
    if (!server.start(&error)) {
        std::cerr << "sonvela-standin: " << error << '\n';
        return 1;
    }
    const StandinConfig &c = command.config;
    std::cout << "sonvela-standin: listening on " << c.host << ":" << c.mirrorPort(1) << "-" << c.partnerPort(2)
              << std::endl;

    int signal = 0;
    sigwait(&stopSignals, &signal);
    std::cout << "sonvela-standin: stopping" << std::endl;
    server.stop();
    return 0;
}
