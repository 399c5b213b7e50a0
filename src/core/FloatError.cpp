#include "core/FloatError.h"

#include <cfenv>

namespace quillon {
namespace {

constexpr int WatchedFlags = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;

} // namespace

const char* GermanFloatErrorText(FloatErrorKind kind) {
    switch (kind) {
    case FloatErrorKind::InvalidOperation:
        return "Ungültige Gleitkommaoperation";
    case FloatErrorKind::DivisionByZero:
        return "Gleitkommadivision durch Null";
    case FloatErrorKind::Overflow:
        return "Gleitkommaüberlauf";
    }
    return "Ungültige Gleitkommaoperation";
}

const char* GermanFormulaErrorText(FormulaErrorKind kind) {
    switch (kind) {
    case FormulaErrorKind::TooDeep:
        return "Die Formel ist zu tief verschachtelt";
    case FormulaErrorKind::MissingOperand:
        return "In der Formel fehlt ein Operand";
    case FormulaErrorKind::MissingArgument:
        return "Der Funktion in '%s' fehlt das Argument";
    case FormulaErrorKind::MissingClosingBracket:
        return "Nach dem Argument der Funktion in '%s' fehlt die schließende Klammer";
    case FormulaErrorKind::MissingOperator:
        return "Zwischen den Klammern in '%s' fehlt ein Operator";
    case FormulaErrorKind::UnbalancedBrackets:
        return "Die Klammern in '%s' sind nicht ausgeglichen";
    case FormulaErrorKind::UnknownName:
        return "'%s' ist kein bekannter Name";
    case FormulaErrorKind::TooManyOperands:
        return "Die Formel braucht mehr als 30 Zwischenwerte (zum Beispiel eine Summe von mehr als 30 Gliedern)";
    case FormulaErrorKind::MalformedCode:
        return "Der Formelcode ist fehlerhaft";
    case FormulaErrorKind::TooLong:
        return "Die Formel ist zu lang";
    case FormulaErrorKind::Empty:
        return "Die Formel ist leer";
    }
    return "Der Formelcode ist fehlerhaft";
}

std::string WithDetail(const char* wording, const std::string& detail) {
    std::string text(wording);
    const std::size_t at = text.find("%s");
    if (at != std::string::npos) text.replace(at, 2, detail);
    return text;
}

FloatError::FloatError(FloatErrorKind kind) : std::runtime_error(GermanFloatErrorText(kind)), kind_(kind) {}

ConversionError::ConversionError(const std::string& literal)
    : std::runtime_error(WithDetail(GermanConversionErrorText, literal)), literal_(literal) {}

FormulaError::FormulaError(FormulaErrorKind kind, const std::string& detail)
    : std::runtime_error(WithDetail(GermanFormulaErrorText(kind), detail)), kind_(kind), detail_(detail) {}

void ClearFloatFlags() noexcept {
    std::feclearexcept(FE_ALL_EXCEPT);
}

void CheckFloatFlags() {
    const int raised = std::fetestexcept(WatchedFlags);
    if (raised == 0) return;
    std::feclearexcept(FE_ALL_EXCEPT);
    if (raised & FE_DIVBYZERO) throw FloatError(FloatErrorKind::DivisionByZero);
    if (raised & FE_OVERFLOW) throw FloatError(FloatErrorKind::Overflow);
    throw FloatError(FloatErrorKind::InvalidOperation);
}

FloatFlagsGuard::FloatFlagsGuard() noexcept : saved_(std::fetestexcept(FE_ALL_EXCEPT)) {}

FloatFlagsGuard::~FloatFlagsGuard() {
    std::feclearexcept(FE_ALL_EXCEPT);
    if (saved_ != 0) std::feraiseexcept(saved_);
}

} // namespace quillon
