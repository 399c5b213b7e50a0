#include "text/AllText.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

TEST(AllTextTest, EveryAssignedNumberHasATextInAllFiveLanguages) {
    int assigned = 0;
    for (int k = 0; k < 1000; ++k) {
        if (Texts(k).empty()) continue;
        ++assigned;
        for (int lang = 1; lang < 5; ++lang) {
            SCOPED_TRACE(k + lang * 1000);
            EXPECT_FALSE(Texts(lang * 1000 + k).empty());
        }
    }
    EXPECT_EQ(assigned, 228);
    EXPECT_EQ(TextCount(), 228);
}

TEST(AllTextTest, TextsKeepBlanksAndLetters) {
    struct Row {
        int index;
        const char* text;
    } rows[] = {
        {0, "Quillon"},
        {89, " ist Drehmatrix (det "},
        {1089, " is rotation matrix (det "},
        {303, "Genauigkeit  (max 18)"},
        {309, "Text vor jeder Rechnung löschen "},
        {166, "Östereichische Schilling"},
        {2323, "Español"},
        {4323, "Português"},
        {2084, "Punto"},
        {3084, "Punto"},
        {4084, "Ponto"},
        {1401, "S"},
        {4305, "Número de dígitos depois da vírgula (0-18) "},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.index);
        EXPECT_EQ(Texts(row.index), row.text);
    }
}

TEST(AllTextTest, UnassignedAndOutOfRangeReadEmpty) {
    for (int index : {93, 1093, 2093, 3093, 4093, 999, 5000, 5001, -1, -1000, 1 << 30}) {
        SCOPED_TRACE(index);
        EXPECT_EQ(Texts(index), "");
    }
}

TEST(AllTextTest, LanguageIndexFromTheFile) {
    struct Row {
        int stored, used;
    } rows[] = {{0, 0}, {1000, 1000}, {2000, 2000}, {3000, 3000}, {4000, 4000},
                {1, 0}, {5000, 0},    {-1000, 0},   {999, 0},     {1500, 0}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.stored);
        EXPECT_EQ(ValidLangIndex(row.stored), row.used);
    }
}

} // namespace
} // namespace quillon
