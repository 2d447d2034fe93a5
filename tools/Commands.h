#pragma once
// The commands of corvane-catalog-tool. Each takes the arguments after its name and returns
// the process exit code (0 success, 1 failure, 2 wrong usage).
#include <string>
#include <vector>

namespace corvane::tool {

using Args = std::vector<std::string>;

int RunBuild(const Args& args);     // build SRC OUT
int RunDump(const Args& args);      // dump DATA SECTION
int RunEngine(const Args& args);    // engine --range-count N ...
int RunTable(const Args& args);     // table DATA SECTION [conditions] [--metric]
int RunReport(const Args& args);    // report DATA SECTION LOADNO [conditions] [--metric]
int RunRangeCard(const Args& args); // range-card (--bc --mv --weight | --load ...) [options]
int RunSolve(const Args& args);     // solve --drag --bc --mv --weight ... (precision model)

} // namespace corvane::tool
