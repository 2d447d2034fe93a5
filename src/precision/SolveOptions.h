#pragma once
// The precision model's inputs as named options: the `solve` command's, and the reference
// cases' in the tests. One table from option to input, checked against the solver's limits.
#include "precision/PrecisionSolver.h"

#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::precision {

struct SolveRequest {
    PrecisionInputs Inputs;
    double IncrementYards = 0;
    double RangeYards = 0;
    std::set<std::string> Given; // the options set so far
};

// Sets one option ("--bc") from its text. The message when the option is unknown, given twice,
// or its value unusable or out of range.
std::optional<std::string> SetSolveOption(SolveRequest& request, std::string_view option,
                                          std::string_view value);

// After the last option: what is missing or does not go together; none when it can be solved.
std::optional<std::string> CheckSolveRequest(const SolveRequest& request);

// The muzzle, then every increment up to the range.
std::vector<double> RequestedRanges(const SolveRequest& request);

} // namespace corvane::precision
