#include "core/Formelparser.h"
#include "core/FloatError.h"
#include "core/Handle.h"

#include "core/NearL.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <string>

namespace quillon {
namespace {

TEST(FormelparserTest, TranslatesIntoPostfixCode) {
    const struct {
        const char* text;
        const char* code;
    } rows[] = {
        // clang-format off
        {"1+2*3", "#3##2#*#1#+"}, {"2^3^2", "#2##3#^#2#^"}, {"-x^2", "#-1##2#x^*"}, {"sin(pi/4)", "#4#w/q"},
        {"3.5", "#3,5#"}, {"((((((1+2))))))*3", "#3##2##1#+*"}, {"(1)+(2)", "#2##1#+"}, {"SQRT [ 2 ]", "#2#t"},
        {"1,2345E-5", "#1,2345e-5#"}, {"x-1e-3", "#1e-3#x-"}, {"pie-1", "#1#w-"},
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(TranslateFormula(row.text), row.code);
    }
    EXPECT_EQ(NormalizeFormula("A.B[C]+é"), "a,b(c)+é");
}

// Plain formulas take a one-pass shortcut; on any text it must give the general translator's code, or
// leave the text to it and so its error.
TEST(FormelparserTest, TheShortcutForPlainFormulasAgreesWithTheGeneralTranslator) {
    const char* const pieces[] = {"1", "23", "4,5", ",5", "1e-3", "2e", "x", "pi", "p", "pie", "xy", "+", "-", "*", "/",
                                  "^", "(", ")", "[", "]", "sin(", "cxs(", "sqrt(", "ln(", "e(", "abc(", "arccot(",
                                  "sinus(", "q(", "#", " ", "é", "-1", "2^-", "((", "))"};
    const auto outcome = [](std::string (*translate)(const std::string&), const std::string& text) {
        try {
            return translate(text);
        } catch (const std::exception& e) {
            return std::string("error: ") + e.what();
        }
    };
    std::uint64_t state = 20261209;
    const auto draw = [&state](std::uint64_t n) {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return (state >> 33) % n;
    };
    for (int round = 0; round < 20000; ++round) {
        std::string text;
        const int count = 1 + static_cast<int>(state % 12);
        for (int k = 0; k < count; ++k)
            text += pieces[draw(sizeof pieces / sizeof pieces[0])];
        SCOPED_TRACE(text);
        ASSERT_EQ(outcome(TranslateFormula, text), outcome(TranslateFormulaByScanning, text));
    }
    // Formulas that are mostly well formed, which the shortcut takes, in every spelling the mapping
    // allows: the order of operands and operators in its code is where it can go wrong.
    const char* const atoms[] = {"1", "23", "4.5", ",5", "x", "X", "pi", "P I", "p", "1e-3", "2 0"};
    const char* const names[] = {"sin", "COS", "s qrt", "ln", "arctan", "cxs", "exp", "e", "xsin", "abc"};
    const auto formula = [&](const auto& self, int depth, bool first) -> std::string {
        std::string sign = first && draw(5) == 0 ? (draw(2) ? "-" : "+") : "";
        switch (depth <= 0 ? draw(2) : draw(7)) {
        case 0:
            return sign + atoms[draw(sizeof atoms / sizeof atoms[0])];
        case 1:
            return sign + (draw(2) ? "(" : "[") + self(self, depth - 1, true) + (draw(2) ? ")" : "]");
        case 2:
            return sign + names[draw(sizeof names / sizeof names[0])] + "(" + self(self, depth - 1, true) +
                   ")";
        default:
            return sign + self(self, depth - 1, false) + (draw(4) ? "" : " ") + "+-*/^"[draw(5)] +
                   self(self, depth - 1, draw(20) == 0);
        }
    };
    for (int round = 0; round < 20000; ++round) {
        const std::string text = formula(formula, 1 + static_cast<int>(draw(5)), true);
        SCOPED_TRACE(text);
        ASSERT_EQ(outcome(TranslateFormula, text), outcome(TranslateFormulaByScanning, text));
    }
    // The limits the general translator enforces stay its own.
    std::string sum = "1";
    for (int k = 2; k <= 31; ++k)
        sum += "+" + std::to_string(k);
    EXPECT_THROW(TranslateFormula(sum), FormulaError);
    std::string signs;
    for (int k = 0; k < 120; ++k)
        signs += "(-";
    signs += "1" + std::string(120, ')');
    EXPECT_EQ(outcome(TranslateFormula, signs), outcome(TranslateFormulaByScanning, signs));
}

TEST(FormelparserTest, EvaluatesWithPrecedenceSignsAndNames) {
    const struct {
        const char* text;
        long double value;
        long double derivative;
    } rows[] = {
        // clang-format off
        {"1-2-3", -4, 0}, {"8/4/2", 1, 0}, {"2^3^2", 512, 0}, {"2^3*4", 32, 0}, {"2*3^2", 18, 0},
        {"-2+3", 1, 0}, {"-2^2", -4, 0}, {"-(-3)", 3, 0}, {"+5", 5, 0}, {"+2-3", -1, 0}, {"-2*3", -6, 0},
        {"((2))", 2, 0}, {"[1+2]*3", 9, 0}, {"(1+2)*(3+4)", 21, 0}, {"SIN(0)", 0, 0}, {"2 * 3", 6, 0},
        {"1.5", 1.5L, 0}, {"1,5", 1.5L, 0}, {",5", 0.5L, 0}, {"pi", Pi, 0}, {"p", Pi, 0}, {"pig", Pi, 0},
        {"x", 1, 1}, {"xyz", 1, 1}, {"1e3", 1000, 0}, {"tan(0)", 0, 0}, {"tanh(0)", 0, 0},
        // Function names are recognised by a few characters only.
        {"cxs(0)", 1, 0}, {"abc(-2)", 2, 0}, {"arccot(2)", 0.463647609000806116L, 0},
        {"sin(x)^2+cos(x)^2", 1, 0}, {"2*sin(pi/4)", std::sqrt(2.0L), 0}, {"arctan(1)*4", Pi, 0},
        {"3*x^2-x", 2, 5}, {"frac(x-3.7)", -0.7L, 1},
        // A literal's exponent keeps its sign, so the program reads its own scientific output back.
        {"1e-3", 0.001L, 0}, {"1,2345E-5", 1.2345e-5L, 0}, {"-3E-7", -3e-7L, 0}, {"1,5E+2", 150, 0},
        {"2*1e-3", 0.002L, 0}, {"2^1e-3", 1.000693387462580632L, 0}, {"pie-1", Pi - 1, 0}, {"x2e-1", 0, 1},
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        const TDual result = RunCode(TranslateFormula(row.text), 1);
        // Powers go through exp and ln, so they are exact only to a few units in the last place.
        EXPECT_NEAR_L(result.value, row.value,
                    1e-17 * std::fabs(row.value) + 1e-18);
        EXPECT_NEAR_L(result.derivative, row.derivative, 1e-15);
    }
}

TEST(FormelparserTest, ConvertsLiteralsCorrectlyRoundedWhateverTheirLength) {
    const struct {
        const char* literal;
        long double value;
    } rows[] = {
        {"0,1", 0.1L},
        {"123456789,123456789", 123456789.123456789L},
        {"1234567890123456789012345", 1234567890123456789012345.0L},
        {"0,000000000000000000000000000000123", 1.23e-31L},
        {"1,18973149535723176502e4932", 1.18973149535723176502e4932L},
        {"3,6e-4951", 3.6e-4951L},
        {"1e-5000", 0},
        {"9223372036854775807", 9223372036854775807.0L},
        {"18446744073709551615", 18446744073709551615.0L},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.literal);
        EXPECT_EQ(RunCode("#" + std::string(row.literal) + "#", 0).value, row.value);
    }
    std::feclearexcept(FE_ALL_EXCEPT);
    RunCode("#1e-5000#", 0);
    EXPECT_FALSE(std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW));
}

enum class Failure { Formula, Conversion, Invalid, DivisionByZero, Overflow };

Failure FailureOf(const std::string& text) {
    try {
        RunCode(TranslateFormula(text), 1);
    } catch (const FormulaError&) {
        return Failure::Formula;
    } catch (const ConversionError&) {
        return Failure::Conversion;
    } catch (const FloatError& error) {
        switch (error.kind()) {
        case FloatErrorKind::InvalidOperation:
            return Failure::Invalid;
        case FloatErrorKind::DivisionByZero:
            return Failure::DivisionByZero;
        case FloatErrorKind::Overflow:
            return Failure::Overflow;
        }
    }
    ADD_FAILURE() << "no error";
    return Failure::Formula;
}

std::string Repeat(const std::string& part, int times) {
    std::string text;
    for (int i = 0; i < times; ++i)
        text += part;
    return text;
}

std::string SumOf(int terms) {
    std::string text = "1";
    for (int i = 2; i <= terms; ++i)
        text += "+" + std::to_string(i);
    return text;
}

TEST(FormelparserTest, RejectsMalformedTextsAndStopsAtTheFirstEvent) {
    const struct {
        std::string text;
        Failure failure;
    } rows[] = {
        // clang-format off
        {"", Failure::Formula}, {"   ", Failure::Formula}, {"2*", Failure::Formula}, {"*3", Failure::Formula},
        {"2*-3", Failure::Formula}, {"2^-1", Failure::Formula}, {"--3", Failure::Formula},
        {"q", Failure::Formula}, {"2*e", Failure::Formula}, {"sin", Failure::Formula}, {"ln()", Failure::Formula},
        {"(1)(2)", Failure::Formula}, {"(1+2", Failure::Formula}, {"()", Failure::Formula}, {")", Failure::Formula},
        // A forgotten closing bracket must not cut the argument short: ln(100 is not ln(10).
        {"ln(100", Failure::Formula}, {"2*sin(2+3", Failure::Formula},
        {"2x", Failure::Conversion}, {"1e", Failure::Conversion}, {"2)", Failure::Conversion},
        {"1,2,3", Failure::Conversion}, {"1e+x", Failure::Conversion}, {"1#2", Failure::Conversion},
        {"1e5000", Failure::Conversion},
        {"sqrt(0)", Failure::Invalid}, {"sqrt(x-1)", Failure::DivisionByZero}, {"(-2)^2", Failure::Invalid},
        {"0^2", Failure::DivisionByZero}, {"1/0", Failure::DivisionByZero}, {"0/0", Failure::Invalid},
        {"tanh(6000)", Failure::Overflow},
        // An overflow followed by an operation that would be invalid on its infinities.
        {"1e4000*1e4000-1e4000*1e4000", Failure::Overflow},
        // The right operand runs first.
        {"ln(0)+sqrt(-1)", Failure::Invalid}, {"sqrt(-1)+ln(0)", Failure::DivisionByZero},
        // Limits: the stack, the nesting, the length.
        {SumOf(31), Failure::Formula}, {Repeat("(", 201) + "1" + Repeat(")", 201), Failure::Formula},
        {Repeat("2^", 300) + "2", Failure::Formula}, {Repeat("-", 5000) + "1", Failure::Formula},
        {Repeat("1+", 500000) + "1", Failure::Formula}, {std::string(1 << 20, '('), Failure::Formula},
        {std::string(1 << 20, '9'), Failure::Formula},
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text.substr(0, 60));
        EXPECT_EQ(FailureOf(row.text), row.failure);
    }
    EXPECT_EQ(RunCode(TranslateFormula(SumOf(30)), 1).value, 465);
}

TEST(FormelparserTest, MessagesNameTheProblem) {
    try {
        EvaluateText("2x");
        ADD_FAILURE();
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(), "'2x' ist kein gültiger Gleitkommawert");
    }
    try {
        EvaluateText("q+1");
        ADD_FAILURE();
    } catch (const FormulaError& error) {
        EXPECT_STREQ(error.what(), "'q' ist kein bekannter Name");
    }
    EXPECT_NEAR_L(EvaluateText("2*pi"), 6.28318530717959, 1e-14);
}

TEST(FormelparserTest, RunCodeRejectsMalformedCode) {
    // The last two leave a second operand behind, which no translated formula does.
    const char* codes[] = {"", "+", "#1#+", "q", "#1", "#1#q#2", "abc", "#1##2#", "#1#x"};
    for (const char* code : codes) {
        SCOPED_TRACE(code);
        EXPECT_THROW(RunCode(code, 1), FormulaError);
    }
    EXPECT_THROW(RunCode(Repeat("#1#", 31), 1), FormulaError);
    EXPECT_EQ(RunCode("#7# ?", 1).value, 7); // unknown characters are skipped
}

} // namespace
} // namespace quillon
