// zarn-controller-sim: a controller substitute for applications and tests
// that have no arm at hand.
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <string>

#include <fcntl.h>
#include <unistd.h>

#include "arm_messages.h"
#include "log.h"
#include "options.h"
#include "simulator.h"

namespace {

int g_stopPipe[2] = {-1, -1};

// Only async-signal-safe work here: the accept loop sees the byte.
void onStopSignal(int)
{
    const int saved = errno;
    const char byte = 's';
    if (::write(g_stopPipe[1], &byte, 1) < 0) {
        // Pipe full: a stop is already pending.
    }
    errno = saved;
}

// A handler rather than a blocked mask: threads that exist before main (a
// sanitizer's, for one) would otherwise take the default action and kill us.
bool installStopHandlers()
{
    if (::pipe2(g_stopPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return false;
    struct sigaction action {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    return ::sigaction(SIGINT, &action, nullptr) == 0 && ::sigaction(SIGTERM, &action, nullptr) == 0 &&
           ::sigaction(SIGPIPE, &ignore, nullptr) == 0;
}

}  // namespace

int main(int argc, char** argv)
{
    using namespace zarnsim;

    Options options;
    std::string error;
    if (!parseOptions(argc, argv, options, error)) {
        std::fprintf(stderr, "zarn-controller-sim: %s\n%s", error.c_str(), usageText());
        return 2;
    }
    if (options.help) {
        std::fputs(usageText(), stdout);
        return 0;
    }
    setLogLevel(options.logLevel);

    if (!installStopHandlers()) {
        std::perror("zarn-controller-sim: signal setup");
        return 1;
    }

    prepareMessageClasses();
    int status = 0;
    {
        Simulator simulator(options.config);
        const int port = simulator.listen(error);
        if (port < 0) {
            std::fprintf(stderr, "zarn-controller-sim: %s\n", error.c_str());
            status = 1;
        } else {
            std::printf("zarn-controller-sim: listening on %s:%d\n", options.config.host.c_str(), port);
            std::fflush(stdout);
            SIM_LOG(Info, "robot type %d, pushes at %d Hz", options.config.robotType, options.config.pushHz);
            simulator.run(g_stopPipe[0]);
        }
    }
    return status;
}
