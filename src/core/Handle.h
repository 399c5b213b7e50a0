#pragma once

#include "core/Globals.h"

#include <string>

// Numbers to text and back, for every page field.

namespace quillon {

// Translates the formula and runs it with x = 1; the derivative is discarded.
// Throws FormulaError, ConversionError or FloatError.
Extended EvaluateText(const std::string& text);

// The general format with Precision (clamped to 2..18) significant digits and DecimalSeparator.
std::string FormatNumber(Extended x);

// The hint of a complex or quaternion field: an exact value such as "Pi/2" or "Sqrt(3)" where one
// fits, the value with 15 significant digits otherwise. Never throws.
std::string ExactValueText(Extended x, bool isAngle);

} // namespace quillon
