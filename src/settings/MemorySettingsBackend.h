#pragma once
// A settings store held in memory: the tool's stand-in for the user's store, and the tests'
// window on what the settings model reads and writes, in which order and with which kinds.
#include "settings/SettingsBackend.h"

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

class MemorySettingsBackend final : public SettingsBackend {
public:
    struct WriteRecord {
        std::string name;
        StoredValue value;
    };

    // Seeds a value as another program might have stored it; not logged as a write.
    void Put(std::string_view name, StoredValue value);
    void Erase(std::string_view name);
    // The value as stored, Absent when there is none.
    StoredValue Get(std::string_view name) const;

    // While set, every write is logged but refused and leaves the store unchanged.
    void SetFailWrites(bool fail) { failWrites_ = fail; }

    // Every write attempted, in order, and every name read, in order.
    const std::vector<WriteRecord>& Writes() const { return writes_; }
    const std::vector<std::string>& Reads() const { return reads_; }
    void ClearLog();

    StoredValue Read(std::string_view name, ExpectedKind expected) override;
    bool WriteInteger(std::string_view name, std::int32_t value) override;
    bool WriteReal(std::string_view name, double value) override;
    bool WriteText(std::string_view name, std::string_view value) override;

private:
    bool Store(std::string_view name, StoredValue value);

    std::map<std::string, StoredValue, std::less<>> values_;
    std::vector<WriteRecord> writes_;
    std::vector<std::string> reads_;
    bool failWrites_ = false;
};

} // namespace corvane
