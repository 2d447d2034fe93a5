#pragma once
// Shared pieces of the fuzz targets: a scratch folder per process for the files the readers
// open, and a check that stops the run with a message libFuzzer records with the input.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>

namespace corvane::fuzz {

// Stops the run: a broken property is a finding just like a sanitizer report.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "FUZZ_CHECK failed: %s (%s:%d)\n", #condition, __FILE__,          \
                         __LINE__);                                                                \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

// A program folder with Data/ and ProductInfo/ under the temporary folder, one per process so
// that parallel fuzzing jobs do not share files. Removed at exit.
inline const std::filesystem::path& ScratchProgramDir() {
    // Never destroyed, so the exit handler can still use it.
    static const std::filesystem::path* dir = [] {
        auto* path = new std::filesystem::path(std::filesystem::temp_directory_path() /
                                               ("corvane-fuzz-" + std::to_string(::getpid())));
        std::filesystem::create_directories(*path / "Data");
        std::filesystem::create_directories(*path / "ProductInfo");
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(ScratchProgramDir(), ignored);
        });
        return path;
    }();
    return *dir;
}

inline void WriteBytes(const std::filesystem::path& file, std::string_view bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Empties the scratch Data/ folder so that no file of an earlier input is seen.
inline void ClearDataDir() {
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(ScratchProgramDir() / "Data")) {
        std::filesystem::remove(entry.path(), ignored);
    }
}

} // namespace corvane::fuzz
