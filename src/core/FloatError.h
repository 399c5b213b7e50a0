#pragma once

#include <stdexcept>
#include <string>
#include <type_traits>

// The errors that end a calculation and reach the user's error display. what() is the German text;
// each error also carries its kind and details, from which the display words it in the user's language.

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
    const std::string& literal() const noexcept { return literal_; }

private:
    std::string literal_;
};

// Why the formula translator cannot take a text. The kinds that name a part of the formula say so.
enum class FormulaErrorKind {
    TooDeep,
    MissingOperand,
    MissingArgument,       // names the function call
    MissingClosingBracket, // names the function call
    MissingOperator,       // names the bracketed part
    UnbalancedBrackets,    // names the bracketed part
    UnknownName,           // names the name
    TooManyOperands,
    MalformedCode,
    TooLong,
    Empty,
};
inline constexpr int FormulaErrorKindCount = static_cast<int>(FormulaErrorKind::Empty) + 1;

// A text that the formula translator cannot take. detail is the part of the formula the message
// names (shortened for a huge text), empty for the kinds that name none.
class FormulaError : public std::runtime_error {
public:
    explicit FormulaError(FormulaErrorKind kind, const std::string& detail = {});
    FormulaErrorKind kind() const noexcept { return kind_; }
    const std::string& detail() const noexcept { return detail_; }

private:
    FormulaErrorKind kind_;
    std::string detail_;
};

// The German wording of an error with "%s" where its detail goes; the error texts are these with the
// detail put in. The display finds the same wordings, in every language, in the text table.
const char* GermanFloatErrorText(FloatErrorKind kind);
const char* GermanFormulaErrorText(FormulaErrorKind kind);
inline constexpr const char* GermanConversionErrorText = "'%s' ist kein gültiger Gleitkommawert";
// The wording with its "%s" replaced by detail.
std::string WithDetail(const char* wording, const std::string& detail);

// Floating-point events are detected, not trapped: clear the flags, compute, then check.
void ClearFloatFlags() noexcept;
// Throws the FloatError of a raised division-by-zero, overflow or invalid-operation flag (in that order
// of precedence when several are set: the first two leave infinities that later steps turn into
// invalid operations) and clears the flags; does nothing when none is raised.
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

namespace detail {
inline thread_local int checkedDepth = 0;
} // namespace detail

// Runs f and throws the FloatError of an event it raised. The caller's pending flags stay as they were.
// Nested calls (an operation built on another one) are checked once, by the outermost: an overflow or
// a division by zero leaves an infinity that a later step may turn into an invalid operation, and the
// user should hear of the event that came first.
template <class F> auto Checked(F&& f) -> decltype(f()) {
    if (detail::checkedDepth > 0) return f();
    struct Depth {
        Depth() { ++detail::checkedDepth; }
        ~Depth() { --detail::checkedDepth; }
    } depth;
    const FloatFlagsGuard callersFlags;
    ClearFloatFlags();
    if constexpr (std::is_void_v<decltype(f())>) {
        f();
        __asm__ __volatile__("" : : : "memory");
        CheckFloatFlags();
    } else {
        auto result = f();
        // The flags must be read after the arithmetic, which the compiler would otherwise be free to
        // sink past the test into the only path that uses the result.
        __asm__ __volatile__("" : "+m"(result) : : "memory");
        CheckFloatFlags();
        return result;
    }
}

} // namespace quillon
