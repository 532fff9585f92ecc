#include "options.h"

#include <cerrno>
#include <cstdlib>

namespace zarnsim {

namespace {

bool parseInt(const std::string& text, long low, long high, int& out)
{
    if (text.empty())
        return false;
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || value < low || value > high)
        return false;
    out = static_cast<int>(value);
    return true;
}

}  // namespace

const char* usageText()
{
    return "usage: zarn-controller-sim [options]\n"
           "Simulated robot-arm controller for the zarn robot controller library.\n"
           "\n"
           "  --host ADDR         IPv4 address to listen on (default 127.0.0.1)\n"
           "  --port N            TCP port (default 8899; 0 picks a free port)\n"
           "  --robot-type N      robot type 0-9 reported at login (default 0)\n"
           "  --push-hz N         rate of real-time pushes, 1-1000 per second (default 200)\n"
           "  --log-level LEVEL   error, warning, info or debug (default info)\n"
           "  --help              show this text\n"
           "\n"
           "Prints one line \"zarn-controller-sim: listening on ADDR:PORT\" on standard\n"
           "output when ready; logs go to standard error. SIGINT or SIGTERM stop it.\n";
}

bool parseOptions(int argc, char** argv, Options& options, std::string& error)
{
    for (int i = 1; i < argc; ++i) {
        std::string name = argv[i];
        std::string value;
        bool hasValue = false;
        const std::size_t eq = name.find('=');
        if (name.rfind("--", 0) == 0 && eq != std::string::npos) {
            value = name.substr(eq + 1);
            name = name.substr(0, eq);
            hasValue = true;
        }
        if (name == "--help" || name == "-h") {
            options.help = true;
            continue;
        }
        if (name != "--host" && name != "--port" && name != "--robot-type" && name != "--push-hz" &&
            name != "--log-level") {
            error = "unknown option: " + name;
            return false;
        }
        if (!hasValue) {
            if (i + 1 >= argc) {
                error = "missing value for " + name;
                return false;
            }
            value = argv[++i];
        }
        bool ok = true;
        if (name == "--host") {
            options.config.host = value;
            ok = !value.empty();
        } else if (name == "--port") {
            ok = parseInt(value, 0, 65535, options.config.port);
        } else if (name == "--robot-type") {
            ok = parseInt(value, 0, 9, options.config.robotType);
        } else if (name == "--push-hz") {
            ok = parseInt(value, 1, 1000, options.config.pushHz);
        } else {
            ok = parseLogLevel(value, options.logLevel);
        }
        if (!ok) {
            error = "invalid value for " + name + ": " + value;
            return false;
        }
    }
    return true;
}

}  // namespace zarnsim
