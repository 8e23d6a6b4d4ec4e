#pragma once

#include "cli/cli.h"

#include <sstream>
#include <string>
#include <vector>

namespace kdsp::test {

struct CliResult {
    int status;
    std::string out;
    std::string err;
};

inline CliResult runCli(const std::vector<std::string>& args, const std::string& input = {}) {
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = cli::Run(args, {in, out, err});
    return {status, out.str(), err.str()};
}

} // namespace kdsp::test
