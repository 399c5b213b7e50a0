#include "math/Easter.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

TEST(EasterTest, GregorianDates) {
    struct Row {
        long long year;
        int day, month;
    } rows[] = {{1999, 4, 4},  {2021, 4, 4},  {2024, 31, 3}, {2019, 21, 4}, {2000, 23, 4}, {1818, 22, 3},
                {2285, 22, 3}, {2038, 25, 4}, {1583, 10, 4}, {2100, 28, 3}, {9999, 28, 3}, {1, 1, 4}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.year);
        const EasterDate easter = GregorianEaster(row.year);
        EXPECT_EQ(easter.day, row.day);
        EXPECT_EQ(easter.month, row.month);
    }
}

} // namespace
} // namespace quillon
