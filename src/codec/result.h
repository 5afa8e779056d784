#pragma once
// Pure code never throws across module boundaries: it returns a value or an
// error text in both languages, and the caller decides how to show it.
#include <optional>
#include <string>
#include <utility>

#include "bilingual.h"

namespace pl63 {

// What went wrong, in both languages.
using ErrorText = Bilingual;

template <typename T>
class Result {
public:
    Result(T value) : value_(std::move(value)) {}  // NOLINT(google-explicit-constructor)
    Result(ErrorText error) : error_(std::move(error)) {}  // NOLINT(google-explicit-constructor)

    bool ok() const { return value_.has_value(); }
    explicit operator bool() const { return ok(); }
    const T& value() const { return *value_; }
    T& value() { return *value_; }
    const ErrorText& error() const { return error_; }

private:
    std::optional<T> value_;
    ErrorText error_;
};

// For operations that produce nothing but may fail.
struct Done {};
using Status = Result<Done>;

}  // namespace pl63
