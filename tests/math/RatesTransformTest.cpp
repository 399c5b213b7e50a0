#include "math/RatesTransform.h"

#include "text/AllText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace quillon {
namespace {

class RatesTransformTest : public ::testing::Test {
protected:
    void TearDown() override { LangIndex = savedLanguage_; }

    // Relative error of a double result against a reference carried in extended precision.
    static void ExpectClose(double value, long double expected, long double relative) {
        EXPECT_LE(std::fabs(static_cast<long double>(value) - expected), relative * std::fabs(expected))
            << value << " instead of " << static_cast<double>(expected);
    }

private:
    int savedLanguage_ = LangIndex;
};

TEST_F(RatesTransformTest, OneEuroIsTheFixedRateOfEveryCurrency) {
    struct Row {
        const char* code;
        double unitsPerEuro;
        const char* german;
        const char* english;
    } rows[] = {{"EUR", 1, "Euro", "Euro"},
                {"DEM", 1.95583, "Deutsche Mark", "German mark"},
                {"FRF", 6.55957, "Französische Franc", "French franc"},
                {"BEF", 40.3399, "Belgische Franc", "Belgien franc"},
                {"LUF", 40.3399, "Luxemburgische Franc", "Luxembourg franc"},
                {"NLG", 2.20371, "Niederländische Gulden", "Netherland Gulden"},
                {"ESP", 166.386, "Spanische Peseta", "Spanish peseta"},
                {"PTE", 200.482, "Portugiesische Escudo", "Portugiese escudo"},
                {"ITL", 1936.27, "Italienische Lira", "Italian lira"},
                {"ATS", 13.7603, "Östereichische Schilling", "Austrian schilling"},
                {"IEP", 0.787564, "Irische Punt", "Irish Punt"},
                {"FIM", 5.94573, "Finnische Mark", "Finnish mark"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.code);
        EXPECT_TRUE(IsEuroCurrency(row.code));
        EXPECT_EQ(FromEuro(row.code, 1), row.unitsPerEuro);
        EXPECT_EQ(ConvertCurrency("EUR", row.code, 7, 1), row.unitsPerEuro) << "the factor is ignored";
        ExpectClose(ToEuro(row.code, row.unitsPerEuro), 1, 2e-16L);
        LangIndex = 0;
        EXPECT_EQ(CurrencyName(row.code), row.german);
        LangIndex = 1000;
        EXPECT_EQ(CurrencyName(row.code), row.english);
    }
    LangIndex = 2000;
    EXPECT_EQ(CurrencyName("DEM"), "Marco Alemán");
}

TEST_F(RatesTransformTest, ConversionsGoThroughTheEuroOrUseTheFactor) {
    struct Row {
        const char* name;
        const char* from;
        const char* to;
        double factor, amount;
        long double expected;
    } rows[] = {{"DEM to EUR", "DEM", "EUR", 5, 100, 51.1291881196218485246672768083L},
                {"EUR to ITL", "EUR", "ITL", 5, 1, 1936.27L},
                {"DEM to FRF through the euro", "DEM", "FRF", 5, 10, 33.5385488513827888926951728933L},
                {"same currency", "DEM", "DEM", 5, 123.25, 123.25L},
                {"none to EUR", "none", "EUR", 2, 3, 6},
                {"EUR to none", "EUR", "none", 2, 3, 6},
                {"blank code", "DEM", " ", 0.5, 3, 1.5L},
                {"lower case is no code", "dem", "EUR", 2, 3, 6},
                {"padded code is no code", "DEM ", "EUR", 2, 3, 6},
                {"factor 0", "none", "", 0, 3, 0},
                {"negative amount", "DEM", "EUR", 1, -100, -51.1291881196218485246672768083L}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ExpectClose(ConvertCurrency(row.from, row.to, row.factor, row.amount), row.expected, 2e-16L);
    }
    // The same rate both ways: there and back gives the amount within double rounding.
    for (const char* code : {"ESP", "ITL", "IEP"}) {
        SCOPED_TRACE(code);
        ExpectClose(ConvertCurrency("EUR", code, 1, ConvertCurrency(code, "EUR", 1, 1000)), 1000, 3e-16L);
    }
}

TEST_F(RatesTransformTest, UnknownCodesHaveNoRateAndNoName) {
    for (const char* code : {"none", " ", "", "eur", "EURO", "XEU", "DEM\n"}) {
        SCOPED_TRACE(code);
        EXPECT_FALSE(IsEuroCurrency(code));
        EXPECT_EQ(CurrencyName(code), "");
        EXPECT_EQ(ToEuro(code, 42.5), 42.5);
        EXPECT_EQ(FromEuro(code, 42.5), 42.5);
    }
}

} // namespace
} // namespace quillon
