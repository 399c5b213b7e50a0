#include "core/Handle.h"

#include "core/FloatError.h"
#include "core/Formelparser.h"
#include "core/NumberFormats.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace quillon {
namespace {

std::string FullFormat(Extended x) {
    return FormatGeneral(x, 15, DecimalSeparator);
}

// Integrality is tested through a 64-bit integer, which only holds magnitudes below 2^63.
constexpr Extended IntegerLimit = 9223372036854775808.0L;

bool IsWholeNumber(Extended a, std::int64_t& whole) {
    whole = static_cast<std::int64_t>(a);
    return static_cast<Extended>(whole) == a;
}

} // namespace

Extended EvaluateText(const std::string& text) {
    return RunCode(TranslateFormula(text), 1).value;
}

std::string FormatNumber(Extended x) {
    const int precision = Precision < 2 ? 2 : Precision > 18 ? 18 : Precision;
    return FormatGeneral(x, precision, DecimalSeparator);
}

std::string ExactValueText(Extended x, bool isAngle) {
    const FloatFlagsGuard guard;
    const Extended a = std::fabs(x);
    // Huge values are all whole numbers in extended precision, and the square of a value above 2^31.5
    // is too: an exact-value hint would only restate the number, so such values show as they are.
    if (!(a < IntegerLimit) || !(a * a < IntegerLimit)) return FullFormat(x);

    std::string text = x < 0 ? "-" : "";
    std::int64_t whole;
    if (IsWholeNumber(a, whole)) return FullFormat(x);

    static const char* const PiNames[] = {"Pi/4",  "Pi/2",  "3Pi/4", "Pi",
                                          "5Pi/4", "3Pi/2", "7Pi/4", "2*Pi -> 0"};
    bool named = false;
    for (int k = 1; k <= 8 && !named; ++k) {
        if (a == k * Pi / 4) {
            text += PiNames[k - 1];
            named = true;
        }
    }
    std::int64_t square;
    if (!named && IsWholeNumber(x * x, square) && square > 0) {
        // square > 0: a tiny value whose square underflows to 0 is not Sqrt(0).
        text += "Sqrt(" + std::to_string(square) + ")";
        named = true;
    }
    if (!named) {
        if (isAngle && x < 0) return FullFormat(x) + " -> " + FullFormat(x + 2 * Pi);
        return FullFormat(x);
    }

    if (isAngle && x < 0) {
        if (text == "-Pi/4") return "-Pi/4 -> 7Pi/4";
        if (text == "-Pi/2") return "-Pi/2 -> 3Pi/2";
        if (text == "-3Pi/4") return "-3Pi/4 -> 5Pi/4";
        if (text == "-Pi") return "-Pi -> Pi";
    }
    return text;
}

} // namespace quillon
