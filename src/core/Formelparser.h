#pragma once

#include "core/automatisches_differenzieren.h"

#include <string>

// Formulas in field texts: translated into a postfix code, then run on dual numbers.

namespace quillon {

// The character mapping applied before translation: "." to ",", upper- to lower-case letters,
// "[" and "]" to "(" and ")".
std::string NormalizeFormula(const std::string& text);

// The postfix code of a formula. Throws FormulaError for a text it cannot take.
std::string TranslateFormula(const std::string& text);

// The same translation by the general translator alone, which plain formulas bypass: only for
// checking the two against each other.
std::string TranslateFormulaByScanning(const std::string& text);

// Runs a code made by TranslateFormula at the variable's value x: the formula's value and derivative.
// Throws ConversionError for a literal that is no number, FloatError at the first floating-point
// event, FormulaError for a code that is not well formed.
TDual RunCode(const std::string& code, Extended x);

} // namespace quillon
