// zelvo-cli: the headless front end over the same core.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace zelvo::cli {

enum ExitCode : int {
    kExitOk = 0,
    kExitFailed = 1,
    kExitUsage = 2,
    kExitPassword = 3,
    kExitFolder = 4,
    kExitRefused = 5,  // the program refuses the change (full list, wrong kind, unknown id)
    kExitLocked = 6,   // another program has the folder open for writing
};

int run(int argc, char** argv);
int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace zelvo::cli
