#pragma once

#include "core/Globals.h"

#include <optional>
#include <string>
#include <string_view>

// The four output formats of the options dialog. Only the general one is used for fields
// (FormatNumber); the others are shown in the dialog's preview.

namespace quillon {

enum class FloatFormatKind { General = 0, Scientific = 1, Fixed = 2, Number = 3 };

// The thousands separator of the number format; empty means the usual partner of DecimalSeparator
// ("." beside ",", "," beside ".").
extern std::string ThousandSeparator;

// `precision` significant digits, trailing zeros dropped, fixed notation for values from 1E-4 up to
// 10^precision, "1,5E-7" / "1E20" otherwise. "NAN", "INF", "-INF" for the non-finite values.
std::string FormatGeneral(Extended x, int precision, char separator);

// The text of x in one of the four formats with the settings given (not the process-wide ones):
// precision is clamped to 2..18; digits is the minimum exponent width (scientific) or the number of
// decimals (fixed, number; clamped to 0..18). Fixed and number fall back to the general format for
// values of 10^precision or more.
std::string FormatFloat(Extended x, FloatFormatKind format, int precision, int digits);

// The options dialog's preview: pi and 31415926.535897932385 in the format, four blanks between.
std::string FormatPreview(FloatFormatKind format, int precision, int digits);

// A plain number with DecimalSeparator: optional blanks around it, sign, digits, one separator, optional
// exponent. No formulas, no thousands separators, nothing beyond the extended range (nullopt).
std::optional<Extended> ParsePlainNumber(std::string_view text);

} // namespace quillon
