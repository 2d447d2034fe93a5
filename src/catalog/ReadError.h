#pragma once
// The one way the catalog's readers report a file they could not use: what went wrong and with
// which file. Readers return it in a ReadResult; the lazy lookups that read a file in the middle
// of building a grid or a report (name lists, descriptions) throw it inside a CatalogFileError,
// which crosses those callbacks to the window that reports it.
#include <filesystem>
#include <stdexcept>
#include <string>
#include <utility>
#include <variant>

namespace corvane {

struct ReadError {
    enum class Kind {
        CannotOpen,   // missing, a folder, or closed to us
        CannotRead,   // opened, but reading failed part way
        MissingEntry, // read, but without a line or record the catalog refers to
        Malformed,    // read, but not in the form it must have (the detail says how)
    };
    Kind kind = Kind::CannotOpen;
    std::filesystem::path file;
    std::string detail; // for MissingEntry: what is missing

    // "Cannot open file "<file>"", "Cannot read file "<file>"[: <detail>]".
    std::string Message() const;
};

template <typename T> class [[nodiscard]] ReadResult {
public:
    ReadResult(T value) : value_(std::move(value)) {}
    ReadResult(ReadError error) : value_(std::move(error)) {}

    bool Ok() const { return std::holds_alternative<T>(value_); }
    explicit operator bool() const { return Ok(); }
    const T& Value() const { return std::get<T>(value_); }
    T& Value() { return std::get<T>(value_); }
    const ReadError& Error() const { return std::get<ReadError>(value_); }

private:
    std::variant<T, ReadError> value_;
};

// A lazy lookup's read failure on its way to the window; `what()` is the error's message.
class CatalogFileError : public std::runtime_error {
public:
    explicit CatalogFileError(ReadError error)
        : std::runtime_error(error.Message()), error_(std::move(error)) {}
    const ReadError& Error() const { return error_; }

private:
    ReadError error_;
};

// The value of a read, or its error thrown (for the lazy lookups).
template <typename T> T ValueOrThrow(ReadResult<T> result) {
    if (!result) {
        throw CatalogFileError(result.Error());
    }
    return std::move(result.Value());
}

} // namespace corvane
