#include "core/FloatError.h"

#include <cfenv>

namespace quillon {
namespace {

constexpr int WatchedFlags = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;

const char* KindText(FloatErrorKind kind) {
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

} // namespace

FloatError::FloatError(FloatErrorKind kind) : std::runtime_error(KindText(kind)), kind_(kind) {}

ConversionError::ConversionError(const std::string& literal)
    : std::runtime_error("'" + literal + "' ist kein gültiger Gleitkommawert") {}

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
