#include "killsaving.h"

#include <QByteArray>

#include <csignal>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

bool killWhileSaving(const std::function<void()> &saveForever, std::mt19937 &random, int maxDelayUs)
{
    const pid_t child = ::fork();
    if (child < 0)
        return false;
    if (child == 0) {
        // Never back into the test: a thrown error would run the rest of the
        // test, and its clean-up, in the child too.
        try {
            saveForever();
        } catch (...) {
            ::_exit(3);
        }
        ::_exit(0); // not reached: the parent kills the child first
    }
    std::this_thread::sleep_for(
        std::chrono::microseconds(std::uniform_int_distribution<int>(0, maxDelayUs)(random)));
    ::kill(child, SIGKILL);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

int killRounds(int fallback)
{
    bool ok = false;
    const int rounds = qEnvironmentVariableIntValue("SONVELA_KILLS", &ok);
    return ok && rounds > 0 ? rounds : fallback;
}
