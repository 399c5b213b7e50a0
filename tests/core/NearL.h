#pragma once

#include "core/Globals.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>
#include <sstream>

// EXPECT_NEAR converts to double, so a tolerance below about 1e-16 checks nothing; this compares in
// extended precision and prints the values with all their digits.
#define EXPECT_NEAR_L(actual, expected, tolerance) \
    EXPECT_PRED_FORMAT3(::quillon::test::NearL, actual, expected, tolerance)

namespace quillon::test {

inline ::testing::AssertionResult NearL(const char* actualText, const char* expectedText, const char*,
                                        Extended actual, Extended expected, Extended tolerance) {
    const Extended difference = std::fabs(actual - expected);
    if (difference <= tolerance) return ::testing::AssertionSuccess();
    std::ostringstream message;
    message << std::setprecision(21) << actualText << " = " << actual << " differs from " << expectedText
            << " = " << expected << " by " << difference << ", more than " << tolerance;
    return ::testing::AssertionFailure() << message.str();
}

} // namespace quillon::test
