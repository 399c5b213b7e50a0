#pragma once

#include "core/FloatError.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

// What the fuzz targets share: the program's own documented errors end an input quietly; anything
// else that leaves the code under test is a finding and aborts, so that libFuzzer keeps the input.

namespace quillon::fuzz {

template <class F> void ExpectOnlyDocumentedErrors(F&& f) {
    try {
        f();
    } catch (const FloatError&) {
    } catch (const ConversionError&) {
    } catch (const FormulaError&) {
    } catch (const std::exception& error) {
        std::fprintf(stderr, "undocumented exception: %s\n", error.what());
        std::abort();
    }
}

[[noreturn]] inline void Finding(const std::string& what) {
    std::fprintf(stderr, "finding: %s\n", what.c_str());
    std::abort();
}

} // namespace quillon::fuzz
