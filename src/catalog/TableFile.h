#pragma once
// Reading the binary load tables: making sure the file exists, opening it with retries while it
// is locked or missing, and copying whole records.
#include "catalog/LoadRecord.h"
#include "catalog/ReadError.h"
#include "catalog/RecordLayout.h"
#include "common/UserPrompts.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <vector>

namespace corvane {

// The clock of the open retries; tests replace it so that no real time passes.
struct RetryClock {
    std::function<std::int64_t()> nowMs; // a millisecond tick count
    std::function<void(int ms)> waitMs;  // lets `ms` milliseconds pass
};
RetryClock SystemRetryClock();

// True when the name is found in its directory.
bool FileExists(const std::filesystem::path& file);
// Size in bytes of a regular file; 0 when it is missing or not a regular file.
std::uintmax_t TableFileSize(const std::filesystem::path& file);

// Makes the table file owner-readable and writable when it exists; otherwise creates it as a
// two-byte placeholder. False when it could not be created.
bool PrepareTableFile(const std::filesystem::path& file);

// Opens the file for reading. While it cannot be opened it is retried for 5 s (letting events
// run between tries), then the user is asked Abort or Retry. Empty after Abort.
std::optional<std::ifstream> OpenWithRetry(const std::filesystem::path& file, UserPrompts& prompts,
                                           const RetryClock& clock = SystemRetryClock());

// Reads at most `capacity` whole records of the family (a cut last record is left out); an error
// when the file could not be prepared or opened.
ReadResult<std::vector<LoadRecord>> ReadLoadTable(const std::filesystem::path& file,
                                                  RecordFamily family, std::size_t recordSize,
                                                  std::size_t capacity, UserPrompts& prompts,
                                                  const RetryClock& clock = SystemRetryClock());

} // namespace corvane
