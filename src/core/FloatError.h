#pragma once

#include <stdexcept>
#include <type_traits>
#include <string>

// The errors that end a calculation and reach the user's error display. what() is the text shown.

namespace quillon {

enum class FloatErrorKind { InvalidOperation, DivisionByZero, Overflow };

class FloatError : public std::runtime_error {
public:
    explicit FloatError(FloatErrorKind kind);
    FloatErrorKind kind() const noexcept { return kind_; }

private:
    FloatErrorKind kind_;
};

// A number literal that does not convert; the text names the literal.
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(const std::string& literal);
};

// A text that the formula translator cannot take (empty operand, unknown name, unbalanced brackets ...).
class FormulaError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Floating-point events are detected, not trapped: clear the flags, compute, then check.
void ClearFloatFlags() noexcept;
// Throws the FloatError of a raised invalid-operation, division-by-zero or overflow flag (in that order
// of precedence when several are set) and clears the flags; does nothing when none is raised.
void CheckFloatFlags();

// Keeps the floating-point flags as they were around code that converts or compares on purpose
// (a NaN comparison, an out-of-range integer conversion), so that it leaves no stray event behind.
class FloatFlagsGuard {
public:
    FloatFlagsGuard() noexcept;
    ~FloatFlagsGuard();
    FloatFlagsGuard(const FloatFlagsGuard&) = delete;
    FloatFlagsGuard& operator=(const FloatFlagsGuard&) = delete;

private:
    int saved_;
};

// Runs f with clean flags and throws the first event it raised; returns f's result.
template <class F>
auto Checked(F&& f) -> decltype(f()) {
    ClearFloatFlags();
    if constexpr (std::is_void_v<decltype(f())>) {
        f();
        CheckFloatFlags();
    } else {
        auto result = f();
        CheckFloatFlags();
        return result;
    }
}

} // namespace quillon
