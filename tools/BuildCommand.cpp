// Placeholder until the command is written.
#include "Commands.h"

#include <cstdio>

namespace corvane::tool {

int RunBuild(const Args&) {
    std::fputs("corvane-catalog-tool: this command is not available yet\n", stderr);
    return 0;
}

} // namespace corvane::tool
