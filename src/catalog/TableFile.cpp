#include "catalog/TableFile.h"

#include <chrono>
#include <random>
#include <thread>

namespace corvane {

namespace fs = std::filesystem;

namespace {

constexpr std::int64_t kRetryPeriodMs = 5000;

// 300 ms plus a random 0 to 199 ms, so that two programs waiting for the same file part.
void RetryDelay(const RetryClock& clock) {
    std::mt19937 random(static_cast<std::mt19937::result_type>(clock.nowMs()));
    std::uniform_int_distribution<int> extra(0, 199);
    clock.waitMs(300 + extra(random));
}

std::optional<std::ifstream> TryOpen(const fs::path& file) {
    std::ifstream stream(file, std::ios::binary);
    if (!stream.is_open()) {
        return std::nullopt;
    }
    return stream;
}

} // namespace

RetryClock SystemRetryClock() {
    RetryClock clock;
    clock.nowMs = [] {
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    };
    clock.waitMs = [](int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); };
    return clock;
}

bool FileExists(const fs::path& file) {
    std::error_code error;
    return fs::exists(file, error);
}

std::uintmax_t TableFileSize(const fs::path& file) {
    std::error_code error;
    if (!fs::is_regular_file(file, error)) {
        return 0;
    }
    const std::uintmax_t size = fs::file_size(file, error);
    return error ? 0 : size;
}

bool PrepareTableFile(const fs::path& file) {
    if (FileExists(file)) {
        // A read-only mark must not stop the open; failure to change it is harmless.
        std::error_code ignored;
        fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add,
                        ignored);
        return true;
    }
    std::ofstream out(file, std::ios::binary);
    if (!out.is_open()) {
        return false;
    }
    const char placeholder[2] = {0, 0};
    out.write(placeholder, sizeof placeholder);
    out.close();
    return !out.fail();
}

std::optional<std::ifstream> OpenWithRetry(const fs::path& file, UserPrompts& prompts,
                                           const RetryClock& clock) {
    auto stream = TryOpen(file);
    while (!stream) {
        const std::int64_t deadline = clock.nowMs() + kRetryPeriodMs;
        while (!stream && clock.nowMs() < deadline) {
            prompts.ProcessEvents();
            RetryDelay(clock);
            stream = TryOpen(file);
        }
        if (!stream && prompts.AskAbortRetry("Unable to open file " + file.string()) ==
                           AbortRetryAnswer::Abort) {
            return std::nullopt;
        }
    }
    return stream;
}

ReadResult<std::vector<LoadRecord>> ReadLoadTable(const fs::path& file, RecordFamily family,
                                                  std::size_t recordSize, std::size_t capacity,
                                                  UserPrompts& prompts, const RetryClock& clock) {
    if (recordSize == 0 || !PrepareTableFile(file)) {
        return ReadError{ReadError::Kind::CannotOpen, file, {}};
    }
    auto stream = OpenWithRetry(file, prompts, clock);
    if (!stream) {
        return ReadError{ReadError::Kind::CannotOpen, file, {}};
    }
    std::vector<LoadRecord> records;
    // Records beyond the section's capacity are ignored rather than overrunning it.
    const std::size_t count = std::min<std::uintmax_t>(TableFileSize(file) / recordSize, capacity);
    std::vector<std::uint8_t> buffer(recordSize);
    records.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        stream->read(reinterpret_cast<char*>(buffer.data()),
                     static_cast<std::streamsize>(recordSize));
        if (static_cast<std::size_t>(stream->gcount()) < recordSize) {
            break;
        }
        records.push_back(DecodeRecord(family, buffer));
    }
    return records;
}

} // namespace corvane
