#pragma once
// Helpers of the catalog tests: a temporary program folder, hand-made record bytes, and
// recording fakes of the prompts and of the retry clock.
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
#include <string>
#include <vector>

namespace corvane::test {

namespace fs = std::filesystem;

// A fresh program folder with empty "Data" and "ProductInfo" sub-folders, removed at the end.
class TempProgramDir {
public:
    TempProgramDir() {
        static std::atomic<int> counter{0};
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        root_ = fs::temp_directory_path() /
                ("corvane-catalog-test-" + std::to_string(stamp) + "-" + std::to_string(++counter));
        fs::create_directories(root_ / "Data");
        fs::create_directories(root_ / "ProductInfo");
    }
    ~TempProgramDir() {
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }
    TempProgramDir(const TempProgramDir&) = delete;
    TempProgramDir& operator=(const TempProgramDir&) = delete;

    const fs::path& Root() const { return root_; }
    fs::path Data() const { return root_ / "Data"; }
    fs::path ProductInfo() const { return root_ / "ProductInfo"; }

private:
    fs::path root_;
};

inline void WriteFile(const fs::path& file, const std::string& contents) {
    std::ofstream out(file, std::ios::binary);
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
