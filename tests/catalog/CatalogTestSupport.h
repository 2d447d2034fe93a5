#pragma once
// Helpers of the catalog, report and tool tests: temporary folders, whole files, hand-made record
// bytes, and recording fakes of the prompts and of the retry clock.
#include "catalog/Catalog.h"
#include "catalog/RecordLayout.h"
#include "catalog/TableFile.h"
#include "common/UserPrompts.h"

#include <gtest/gtest.h>

#include <atomic>
#include <bit>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace corvane::test {

namespace fs = std::filesystem;

// A fresh folder under the system's temporary folder, removed at the end.
class TempDir {
public:
    explicit TempDir(const std::string& tag) {
        static std::atomic<int> counter{0};
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        path_ =
            fs::temp_directory_path() / ("corvane-" + tag + "-" + std::to_string(::getpid()) + "-" +
                                         std::to_string(stamp) + "-" + std::to_string(++counter));
        fs::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const fs::path& Path() const { return path_; }

private:
    fs::path path_;
};

// A program folder with empty "Data" and "ProductInfo" sub-folders.
class TempProgramDir : public TempDir {
public:
    TempProgramDir() : TempDir("catalog-test") {
        fs::create_directories(Data());
        fs::create_directories(ProductInfo());
    }
    const fs::path& Root() const { return Path(); }
    fs::path Data() const { return Path() / "Data"; }
    fs::path ProductInfo() const { return Path() / "ProductInfo"; }
};

inline std::string ReadFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

inline void WriteFile(const fs::path& file, const std::string& contents) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(contents.data(), static_cast<std::streamsize>(contents.size()));
}

inline void WriteBytes(const fs::path& file, const std::vector<std::uint8_t>& bytes) {
    WriteFile(file, std::string(bytes.begin(), bytes.end()));
}

// Writes records of the family one after another, as a load table holds them.
inline void WriteTable(const fs::path& file, RecordFamily family,
                       const std::vector<LoadRecord>& records) {
    std::vector<std::uint8_t> bytes;
    for (const LoadRecord& record : records) {
        const auto encoded = EncodeRecord(family, record);
        bytes.insert(bytes.end(), encoded.begin(), encoded.end());
    }
    WriteBytes(file, bytes);
}

// Little-endian fields placed by hand, independent of the code under test.
inline void PutInt(std::vector<std::uint8_t>& bytes, std::size_t offset, std::int32_t value) {
    const auto raw = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) {
        bytes[offset + i] = static_cast<std::uint8_t>(raw >> (8 * i));
    }
}
inline void PutDouble(std::vector<std::uint8_t>& bytes, std::size_t offset, double value) {
    const auto raw = std::bit_cast<std::uint64_t>(value);
    for (int i = 0; i < 8; ++i) {
        bytes[offset + i] = static_cast<std::uint8_t>(raw >> (8 * i));
    }
}
inline void PutText(std::vector<std::uint8_t>& bytes, std::size_t offset, const std::string& text) {
    bytes[offset] = static_cast<std::uint8_t>(text.size());
    std::memcpy(bytes.data() + offset + 1, text.data(), text.size());
}

class RecordingPrompts : public UserPrompts {
public:
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    void ShowError(const std::string& text) override { errors.push_back(text); }
    AbortRetryAnswer AskAbortRetry(const std::string& text) override {
        questions.push_back(text);
        if (onQuestion) {
            onQuestion();
        }
        if (answers.empty()) {
            return AbortRetryAnswer::Abort;
        }
        const AbortRetryAnswer answer = answers.front();
        answers.erase(answers.begin());
        return answer;
    }
    void ProcessEvents() override { ++eventRuns; }

    std::vector<std::string> messages;
    std::vector<std::string> errors;
    std::vector<std::string> questions;
    std::vector<AbortRetryAnswer> answers; // given in turn, then Abort
    std::function<void()> onQuestion;
    int eventRuns = 0;
};

// A clock that only moves when waited on.
struct FakeClock {
    std::int64_t now = 1'000'000;
    std::vector<int> waits;

    RetryClock Clock() {
        return RetryClock{[this] { return now; },
                          [this](int ms) {
                              waits.push_back(ms);
                              now += ms;
                          }};
    }
};

} // namespace corvane::test
