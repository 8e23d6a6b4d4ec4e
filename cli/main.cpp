#include "cli/box_command.h"
#include "cli/cli.h"

#include <iostream>

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return kdsp::cli::Run(args, {std::cin, std::cout, std::cerr}, kdsp::cli::RunBoxCommand);
}
