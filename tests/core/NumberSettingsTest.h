#pragma once

#include "core/Globals.h"
#include "core/NumberFormats.h"

#include <gtest/gtest.h>

#include <string>

namespace quillon::test {

// Base of the tests that read or write numbers as text: they start from precision 5 and a decimal
// comma, and the process-wide settings they change are restored afterwards.
class NumberSettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        Precision = 5;
        Digits = 1;
        DecimalSeparator = ',';
        ThousandSeparator.clear();
    }
    void TearDown() override {
        Precision = precision_;
        Digits = digits_;
        DecimalSeparator = separator_;
        ThousandSeparator = thousands_;
    }

private:
    int precision_ = Precision;
    int digits_ = Digits;
    char separator_ = DecimalSeparator;
    std::string thousands_ = ThousandSeparator;
};

} // namespace quillon::test
