// corvane-catalog-tool: the command-line companion of the catalog program, for catalog makers,
// scripting and end-to-end tests.
#include "Commands.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr const char* kUsage =
    "usage: corvane-catalog-tool COMMAND ARGS\n"
    "  build SRC OUT                 turn the readable catalog source into Data/ and ProductInfo/\n"
    "  dump DATA SECTION             print a section's records as CSV\n"
    "  engine --range-count N ...    one trajectory from raw engine inputs, as JSON\n"
    "  table DATA SECTION [conditions] [--metric]\n"
    "                                the section's grid as the lines of \"Table to file\"\n"
    "  report DATA SECTION LOADNO [conditions] [--metric] [--pdf FILE [--bw]]\n"
    "                                the load report text of one load, and its page as PDF\n"
    "  range-card (--bc X --mv FPS --weight GR | --load DATA SECTION LOADNO) [options]\n"
    "                                a range card with come-ups and clicks, as CSV\n"
    "  solve --drag G1|G7 --bc X --mv FPS --weight GR ... [options]\n"
    "                                the precision model's trajectory, as JSON\n"
    "conditions: --altitude --temperature --crosswind --increment --range --zero --sight-height\n";

} // namespace

int main(int argc, char** argv) {
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        std::fputs(kUsage, argc < 2 ? stderr : stdout);
        return argc < 2 ? 2 : 0;
    }
    const std::string command = argv[1];
    const corvane::tool::Args args(argv + 2, argv + argc);
    if (command == "build") {
        return corvane::tool::RunBuild(args);
    }
    if (command == "dump") {
        return corvane::tool::RunDump(args);
    }
    if (command == "engine") {
        return corvane::tool::RunEngine(args);
    }
    if (command == "table") {
        return corvane::tool::RunTable(args);
    }
    if (command == "report") {
        return corvane::tool::RunReport(args);
    }
    if (command == "range-card") {
        return corvane::tool::RunRangeCard(args);
    }
    if (command == "solve") {
        return corvane::tool::RunSolve(args);
    }
    std::fprintf(stderr, "corvane-catalog-tool: unknown command '%s'\n%s", command.c_str(), kUsage);
    return 2;
}
