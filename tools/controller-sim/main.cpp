// zarn-controller-sim: a controller substitute for applications and tests
// that have no arm at hand.
#include <csignal>
#include <cstdio>
#include <string>

#include <pthread.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include "log.h"
#include "options.h"
#include "simulator.h"

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

    // Signals are taken synchronously through a descriptor; blocked before any
    // thread starts so that every thread inherits the mask.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
    const int stopFd = signalfd(-1, &stopSignals, SFD_CLOEXEC);
    if (stopFd < 0) {
        std::perror("zarn-controller-sim: signalfd");
        return 1;
    }

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
            simulator.run(stopFd);
        }
    }
    ::close(stopFd);
    return status;
}
