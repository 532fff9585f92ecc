#pragma once

#include <string>

#include "context.h"
#include "log.h"

namespace zarnsim {

struct Options {
    Config config;
    LogLevel logLevel = LogLevel::Info;
    bool help = false;
};

// Accepts "--name value" and "--name=value". False with `error` set on an
// unknown option or a value out of range.
bool parseOptions(int argc, char** argv, Options& options, std::string& error);

const char* usageText();

}  // namespace zarnsim
