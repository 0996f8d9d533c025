#pragma once
// The command line of foodserver.
#include "foodserver/service.h"

#include <string>
#include <vector>

namespace foodserver {

struct Options
{
    std::string host = "127.0.0.1";
    int port = 8080;
    ServiceOptions service;
};

struct ParsedArguments
{
    bool ok = false;
    bool help = false;
    bool version = false;
    std::string error;
    Options options;
};

// Takes "--name value" and "--name=value"; arguments without argv[0].
ParsedArguments parseArguments(const std::vector<std::string>& args);
std::string usage();
// "foodserver" and the suite's version, as --version prints it.
std::string versionText();

} // namespace foodserver
