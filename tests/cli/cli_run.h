// Runs zelvo-cli in the test's process and keeps what it printed.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"

namespace zelvo::test {

struct CliRun {
    int code;
    std::string out;
    std::string err;
};

inline CliRun cli(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int code = zelvo::cli::run(args, out, err);
    return {code, out.str(), err.str()};
}

}  // namespace zelvo::test
