#include "settings/SettingsBackend.h"

namespace corvane {

std::vector<StoredValue> SettingsBackend::ReadMany(std::span<const ReadRequest> requests) {
    std::vector<StoredValue> values;
    values.reserve(requests.size());
    for (const ReadRequest& request : requests) {
        values.push_back(Read(request.name, request.expected));
    }
    return values;
}

bool SettingsBackend::WriteMany(std::span<const WriteRequest> values) {
    bool ok = true;
    for (const WriteRequest& write : values) {
        switch (write.value.kind) {
        case StoredKind::Integer:
            ok &= WriteInteger(write.name, write.value.integer);
            break;
        case StoredKind::Real:
            ok &= WriteReal(write.name, write.value.real);
            break;
        case StoredKind::Text:
            ok &= WriteText(write.name, write.value.text);
            break;
        default:
            ok = false;
            break;
        }
    }
    return ok;
}

} // namespace corvane
