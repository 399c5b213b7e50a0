#include "core/NumberFormats.h"

#include "core/FloatError.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <locale.h>
#include <string_view>

namespace quillon {

std::string ThousandSeparator;

namespace {

int Clamp(int value, int low, int high) {
    return value < low ? low : value > high ? high : value;
}

// The significant digits of |x| rounded to `precision` places, correctly rounded by the C library,
// and the decimal exponent e with |x| = 0.d1d2... * 10^e.
struct Decimal {
    std::string digits;
    int exponent = 0;
};

Decimal Significant(Extended x, int precision) {
    char buffer[64];
    const int length = std::snprintf(buffer, sizeof buffer, "%.*Le", precision - 1, std::fabs(x));
    Decimal d;
    if (length <= 0 || length >= static_cast<int>(sizeof buffer)) return {"0", 1};
    const char* p = buffer;
    for (; *p != 'e' && *p != '\0'; ++p)
        if (*p >= '0' && *p <= '9') d.digits += *p;
    d.exponent = *p == 'e' ? std::atoi(p + 1) + 1 : 1;
    // Rounding the largest values up can pass the largest extended, and such a text would not read
    // back: those keep the digits of the largest extended itself, rounded down.
    static constexpr char Largest[] = "118973149535723176502";
    static_assert(std::numeric_limits<Extended>::max_exponent10 == 4932);
    if (d.exponent > 4933 || (d.exponent == 4933 && d.digits > std::string_view(Largest, d.digits.size()))) {
        d.digits.assign(Largest, std::min(d.digits.size(), sizeof Largest - 1));
        d.exponent = 4933;
    }
    return d;
}

std::string NonFinite(Extended x) {
    if (std::isnan(x)) return "NAN";
    return x < 0 ? "-INF" : "INF";
}

std::string Thousands() {
    if (!ThousandSeparator.empty()) return ThousandSeparator;
    return DecimalSeparator == ',' ? "." : ",";
}

std::string Scientific(Extended x, int precision, int digits) {
    const Decimal d = Significant(x, precision);
    std::string text = std::signbit(x) && x != 0 ? "-" : "";
    text += d.digits[0];
    if (d.digits.size() > 1) {
        text += DecimalSeparator;
        text.append(d.digits, 1);
    }
    const int exponent = x == 0 ? 0 : d.exponent - 1;
    text += exponent < 0 ? "E-" : "E+";
    std::string magnitude = std::to_string(std::abs(exponent));
    const int width = digits >= 0 && digits <= 3 ? digits : 1;
    if (static_cast<int>(magnitude.size()) < width) magnitude.insert(0, width - magnitude.size(), '0');
    return text + magnitude;
}

std::string Fixed(Extended x, int precision, int decimals, bool grouped) {
    std::string body;
    const Decimal d = Significant(x, precision);
    if (x != 0 && d.exponent + decimals < precision) {
        // The decimals are the coarser rounding: round once, at the last decimal shown.
        char buffer[64];
        const int length = std::snprintf(buffer, sizeof buffer, "%.*Lf", decimals, std::fabs(x));
        if (length <= 0 || length >= static_cast<int>(sizeof buffer))
            return FormatGeneral(x, precision, DecimalSeparator);
        // The C library writes the decimal point of the C locale, which the GUI toolkit sets from the
        // environment (a comma under German settings): take the digits around it, whatever it is.
        body = buffer;
        const std::size_t point = body.find_first_not_of("0123456789");
        if (point != std::string::npos)
            body = body.substr(0, point) + "." + body.substr(body.find_last_not_of("0123456789") + 1);
    } else {
        // The significant digits are the coarser rounding; pad with zeros up to the decimals.
        std::string digits = x == 0 ? std::string("0") : d.digits;
        const int exponent = x == 0 ? 1 : d.exponent;
        std::string integral, fraction;
        if (exponent <= 0) {
            integral = "0";
            fraction = std::string(static_cast<std::size_t>(-exponent), '0') + digits;
        } else {
            for (int i = 0; i < exponent; ++i)
                integral += i < static_cast<int>(digits.size()) ? digits[i] : '0';
            if (static_cast<int>(digits.size()) > exponent) fraction = digits.substr(exponent);
        }
        fraction.resize(static_cast<std::size_t>(decimals), '0');
        body = integral + (decimals > 0 ? "." + fraction : "");
    }

    const std::size_t point = body.find('.');
    std::string integral = body.substr(0, point);
    const std::string fraction = point == std::string::npos ? "" : body.substr(point + 1);
    if (grouped) {
        const std::string separator = Thousands();
        for (int i = static_cast<int>(integral.size()) - 3; i > 0; i -= 3)
            integral.insert(i, separator);
    }
    const bool zero = body.find_first_not_of("0.") == std::string::npos;
    std::string text = std::signbit(x) && !zero ? "-" : "";
    text += integral;
    if (!fraction.empty()) {
        text += DecimalSeparator;
        text += fraction;
    }
    return text;
}

// Only the digits, one separator and an exponent: from_chars alone would also take "inf" and "nan".
bool IsPlainNumber(const std::string& s) {
    std::size_t pos = 0;
    if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) ++pos;
    int mantissaDigits = 0;
    while (pos < s.size() && std::isdigit(static_cast<unsigned char>(s[pos])))
        ++pos, ++mantissaDigits;
    if (pos < s.size() && s[pos] == '.') {
        ++pos;
        while (pos < s.size() && std::isdigit(static_cast<unsigned char>(s[pos])))
            ++pos, ++mantissaDigits;
    }
    if (mantissaDigits == 0) return false;
    if (pos < s.size() && (s[pos] == 'e' || s[pos] == 'E')) {
        ++pos;
        if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) ++pos;
        int exponentDigits = 0;
        while (pos < s.size() && std::isdigit(static_cast<unsigned char>(s[pos])))
            ++pos, ++exponentDigits;
        if (exponentDigits == 0) return false;
    }
    return pos == s.size();
}

} // namespace

std::string FormatGeneral(Extended x, int precision, char separator) {
    const FloatFlagsGuard guard;
    if (!std::isfinite(x)) return NonFinite(x);
    if (x == 0) return "0";
    precision = Clamp(precision, 1, 18);

    Decimal d = Significant(x, precision);
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();
    const int count = static_cast<int>(d.digits.size());

    std::string text = x < 0 ? "-" : "";
    if (d.exponent >= -3 && d.exponent <= precision) {
        if (d.exponent > 0) {
            for (int i = 0; i < d.exponent; ++i)
                text += i < count ? d.digits[i] : '0';
            if (count > d.exponent) {
                text += separator;
                text.append(d.digits, d.exponent);
            }
        } else {
            text += '0';
            text += separator;
            text.append(static_cast<std::size_t>(-d.exponent), '0');
            text += d.digits;
        }
    } else {
        text += d.digits[0];
        if (count > 1) {
            text += separator;
            text.append(d.digits, 1);
        }
        text += 'E';
        text += std::to_string(d.exponent - 1);
    }
    return text;
}

std::string FormatFloat(Extended x, FloatFormatKind format, int precision, int digits) {
    const FloatFlagsGuard guard;
    precision = Clamp(precision, 2, 18);
    if (!std::isfinite(x)) return NonFinite(x);
    switch (format) {
    case FloatFormatKind::Scientific:
        return Scientific(x, precision, digits);
    case FloatFormatKind::Fixed:
    case FloatFormatKind::Number:
        if (std::fabs(x) >= std::pow(10.0L, precision)) break;
        return Fixed(x, precision, Clamp(digits, 0, 18), format == FloatFormatKind::Number);
    case FloatFormatKind::General:
        break;
    }
    return FormatGeneral(x, precision, DecimalSeparator);
}

std::string FormatPreview(FloatFormatKind format, int precision, int digits) {
    return FormatFloat(Pi, format, precision, digits) + "    " +
           FormatFloat(31415926.535897932385L, format, precision, digits);
}

std::optional<Extended> ParsePlainNumber(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    std::string s(text);
    // The locale's separator is the only one accepted; "." stands in for it inside the conversion, so a
    // typed "." must not pass when the separator is something else.
    if (DecimalSeparator != '.') {
        if (s.find('.') != std::string::npos) return std::nullopt;
        for (char& c : s)
            if (c == DecimalSeparator) c = '.';
    }
    if (!IsPlainNumber(s)) return std::nullopt;

    // Like the formula reader: a text below the extended range reads as the subnormal or zero it
    // rounds to (the program writes such values itself), one above it is refused.
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    const FloatFlagsGuard guard; // an out-of-range text is a text, not a floating-point event
    char* end = nullptr;
    const Extended value = strtold_l(s.c_str(), &end, cLocale);
    if (end != s.c_str() + s.size() || std::isinf(value)) return std::nullopt;
    return value;
}

} // namespace quillon
