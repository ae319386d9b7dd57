#pragma once

#include "calc/failure.h"

#include <utility>
#include <variant>

namespace abaquino {

// A value, or the failure that prevented it. Operations that can fail return one of these
// instead of throwing, so a failure can never escape to the window's event loop.
template <typename T>
class Outcome {
public:
    Outcome(T value) : content_(std::move(value)) {}
    Outcome(Failure failure) : content_(failure) {}

    explicit operator bool() const { return std::holds_alternative<T>(content_); }
    const T& operator*() const { return std::get<T>(content_); }
    Failure failure() const { return std::get<Failure>(content_); }

private:
    std::variant<T, Failure> content_;
};

}  // namespace abaquino
