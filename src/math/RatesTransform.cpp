#include "math/RatesTransform.h"

#include "core/Globals.h"
#include "text/AllText.h"

#include <array>

namespace quillon {
namespace {

struct Currency {
    const char* code;
    Extended unitsPerEuro;
    int nameText;
};

constexpr std::array<Currency, 12> kCurrencies{{
    {"EUR", 1.0L, 172},
    {"DEM", 1.95583L, 150},
    {"FRF", 6.55957L, 152},
    {"BEF", 40.3399L, 154},
    {"LUF", 40.3399L, 156},
    {"NLG", 2.20371L, 158},
    {"ESP", 166.386L, 160},
    {"PTE", 200.482L, 162},
    {"ITL", 1936.27L, 164},
    {"ATS", 13.7603L, 166},
    {"IEP", 0.787564L, 168},
    {"FIM", 5.94573L, 170},
}};

const Currency* Find(const std::string& code) {
    for (const Currency& currency : kCurrencies)
        if (code == currency.code) return &currency;
    return nullptr;
}

} // namespace

double ToEuro(const std::string& code, double x) {
    const Currency* currency = Find(code);
    if (currency == nullptr || currency->unitsPerEuro == 1.0L) return x;
    return static_cast<double>(static_cast<Extended>(x) / currency->unitsPerEuro);
}

double FromEuro(const std::string& code, double x) {
    const Currency* currency = Find(code);
    if (currency == nullptr || currency->unitsPerEuro == 1.0L) return x;
    return static_cast<double>(static_cast<Extended>(x) * currency->unitsPerEuro);
}

double ConvertCurrency(const std::string& fromCode, const std::string& toCode, double factor, double amount) {
    if (IsEuroCurrency(fromCode) && IsEuroCurrency(toCode)) return FromEuro(toCode, ToEuro(fromCode, amount));
    return static_cast<double>(static_cast<Extended>(amount) * factor);
}

std::string CurrencyName(const std::string& code) {
    const Currency* currency = Find(code);
    return currency == nullptr ? std::string() : Text(currency->nameText);
}

bool IsEuroCurrency(const std::string& code) {
    return Find(code) != nullptr;
}

} // namespace quillon
