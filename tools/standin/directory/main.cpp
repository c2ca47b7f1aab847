// A directory of recorded answers on loopback, for runs that must not reach
// the real station directory:
//   sonvela-directory-standin PORT FOLDER [STREAMHOST]
#include "directorystandin.h"

#include <csignal>
#include <cstdlib>
#include <iostream>
#include <pthread.h>

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::cerr << "usage: sonvela-directory-standin PORT FOLDER [STREAMHOST]\n"
                     "FOLDER holds topclick.json, lastchange.json and search.json; STREAMHOST\n"
                     "(e.g. 127.0.0.1:18081) replaces STREAMHOST in them.\n";
        return 2;
    }
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    DirectoryStandin directory(DirectoryStandin::recordedAnswers(argv[2]), std::atoi(argv[1]));
    if (directory.port() == 0) {
        std::cerr << "sonvela-directory-standin: cannot listen on 127.0.0.1:" << argv[1] << '\n';
        return 1;
    }
    directory.setStreamHost(argc > 3 ? argv[3] : "127.0.0.1:18081");
    std::cout << "sonvela-directory-standin: listening on " << directory.address() << std::endl;
    int signal = 0;
    sigwait(&stopSignals, &signal);
    return 0;
}
