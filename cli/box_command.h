#pragma once

#include "cli/cli.h"

namespace kdsp::cli {

// `kdsp box CONNECTION ACTION`: connects through the link engine under a Qt
// event loop, downloads the box, then runs one action.
int RunBoxCommand(Args args, Streams io);

} // namespace kdsp::cli
