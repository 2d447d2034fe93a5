#include "settings/MemorySettingsBackend.h"

namespace corvane {

void MemorySettingsBackend::Put(std::string_view name, StoredValue value) {
    values_.insert_or_assign(std::string(name), std::move(value));
}

void MemorySettingsBackend::Erase(std::string_view name) {
    const auto found = values_.find(name);
    if (found != values_.end()) {
        values_.erase(found);
    }
}

StoredValue MemorySettingsBackend::Get(std::string_view name) const {
    const auto found = values_.find(name);
    return found == values_.end() ? StoredValue::Absent() : found->second;
}

void MemorySettingsBackend::ClearLog() {
    writes_.clear();
    reads_.clear();
}

StoredValue MemorySettingsBackend::Read(std::string_view name, ExpectedKind /*expected*/) {
    // Values keep their kinds here, so the caller's expectation changes nothing.
    reads_.emplace_back(name);
    return Get(name);
}

bool MemorySettingsBackend::WriteInteger(std::string_view name, std::int32_t value) {
    return Store(name, StoredValue::OfInteger(value));
}

bool MemorySettingsBackend::WriteReal(std::string_view name, double value) {
    return Store(name, StoredValue::OfReal(value));
}

bool MemorySettingsBackend::WriteText(std::string_view name, std::string_view value) {
    return Store(name, StoredValue::OfText(std::string(value)));
}

bool MemorySettingsBackend::Store(std::string_view name, StoredValue value) {
    writes_.push_back({std::string(name), value});
    if (failWrites_) {
        return false;
    }
    Put(name, std::move(value));
    return true;
}

} // namespace corvane
