#include "core/NumberFormats.h"
#include "core/Handle.h"

#include "core/NumberSettingsTest.h"

#include <gtest/gtest.h>

#include <clocale>
#include <optional>
#include <string>

namespace quillon {
namespace {

class NumberFormatsTest : public test::NumberSettingsTest {};

TEST_F(NumberFormatsTest, PreviewOfEachFormat) {
    DecimalSeparator = ',';
    struct Row {
        FloatFormatKind format;
        int precision, digits;
        const char* text;
    } rows[] = {
        {FloatFormatKind::General, 5, 1, "3,1416    3,1416E7"},
        {FloatFormatKind::Scientific, 5, 1, "3,1416E+0    3,1416E+7"},
        {FloatFormatKind::Scientific, 3, 3, "3,14E+000    3,14E+007"},
        {FloatFormatKind::Scientific, 4, 0, "3,142E+0    3,142E+7"},
        {FloatFormatKind::Scientific, 2, 4, "3,1E+0    3,1E+7"},
        {FloatFormatKind::Fixed, 5, 1, "3,1    3,1416E7"},
        {FloatFormatKind::Fixed, 18, 3, "3,142    31415926,536"},
        {FloatFormatKind::Fixed, 5, 8, "3,14160000    3,1416E7"},
        {FloatFormatKind::Number, 18, 2, "3,14    31.415.926,54"},
        {FloatFormatKind::Number, 10, 0, "3    31.415.927"},
        {FloatFormatKind::General, 0, 1, "3,1    3,1E7"},
        {FloatFormatKind::General, 40, 1, "3,14159265358979324    31415926,5358979324"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(FormatPreview(row.format, row.precision, row.digits), row.text);
    }
}

TEST_F(NumberFormatsTest, SignsZerosAndSeparators) {
    DecimalSeparator = '.';
    EXPECT_EQ(FormatFloat(-1234.5L, FloatFormatKind::Number, 10, 1), "-1,234.5");
    EXPECT_EQ(FormatFloat(-0.001L, FloatFormatKind::Fixed, 10, 1), "0.0");
    EXPECT_EQ(FormatFloat(0, FloatFormatKind::Fixed, 5, 2), "0.00");
    EXPECT_EQ(FormatFloat(0, FloatFormatKind::Scientific, 3, 1), "0.00E+0");
    EXPECT_EQ(FormatFloat(-2.5e-12L, FloatFormatKind::Scientific, 2, 2), "-2.5E-12");
    EXPECT_EQ(FormatFloat(0.00001L, FloatFormatKind::General, 5, 1), "1E-5");
    EXPECT_EQ(FormatFloat(0.0001L, FloatFormatKind::General, 5, 1), "0.0001");
    EXPECT_EQ(FormatFloat(99999.6L, FloatFormatKind::General, 5, 1), "1E5");
    ThousandSeparator = "'";
    EXPECT_EQ(FormatFloat(1234567, FloatFormatKind::Number, 10, 0), "1'234'567");
}

// The plain-number fields must read back every text the program writes into them, also below the
// normal range, and refuse what is not a plain number or lies beyond the extended range.
TEST_F(NumberFormatsTest, PlainNumbersUnderBothSeparators) {
    struct Row {
        char separator;
        const char* text;
        std::optional<Extended> value;
    } rows[] = {
        {',', " -3,25E-7 ", -3.25e-7L},  {',', "+12", 12.0L},
        {',', "1.5", std::nullopt},      {'.', "1.5", 1.5L},
        {'.', "1,5", std::nullopt},      {',', "2,02754574879041E-4939", 2.02754574879041e-4939L},
        {',', "1E-5000", 0.0L},          {',', "1,1E4932", 1.1e4932L},
        {',', "1,2E4932", std::nullopt}, {',', "inf", std::nullopt},
        {',', "1+1", std::nullopt},      {',', "E5", std::nullopt},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        DecimalSeparator = row.separator;
        EXPECT_EQ(ParsePlainNumber(row.text), row.value);
    }
}

// The GUI toolkit sets the C locale from the environment; under German settings the C library then
// reads and writes a decimal comma. Needs such a locale installed, otherwise skipped.
TEST_F(NumberFormatsTest, IndependentOfTheCLocale) {
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    const char* found = nullptr;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8", "fr_FR.utf8"})
        if ((found = std::setlocale(LC_ALL, name)) != nullptr) break;
    if (found == nullptr) GTEST_SKIP() << "no locale with a decimal comma";
    DecimalSeparator = '.';
    // Short literals, long ones (the C library's conversion) and the fixed formats.
    EXPECT_EQ(EvaluateText("1.5"), 1.5L);
    EXPECT_EQ(EvaluateText("0,1e-30"), 1e-31L);
    EXPECT_EQ(EvaluateText("1234567890,1234567890"), 1234567890.1234567890L);
    EXPECT_EQ(FormatFloat(1234.5L, FloatFormatKind::Number, 10, 2), "1,234.50");
    EXPECT_EQ(FormatFloat(2.25L, FloatFormatKind::Fixed, 10, 1), "2.2");
    std::setlocale(LC_ALL, saved.c_str());
}

} // namespace
} // namespace quillon
