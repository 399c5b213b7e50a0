// Formula text through the translator and the code runner, and the raw bytes as code: neither may
// read outside the text or the stack, and a code that is not well formed must be refused as such.
// The shortcut for plain formulas must give the general translator's code or error on every text.

#include "FuzzSupport.h"

#include "core/Formelparser.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <string>

using namespace quillon;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    fuzz::ExpectOnlyDocumentedErrors([&] {
        const std::string code = TranslateFormula(text);
        const TDual result = RunCode(code, 1.0L);
        // A result that comes back has passed the float checks: no NaN may slip through them.
        if (std::isnan(result.value)) fuzz::Finding("NaN value without an invalid operation");
    });
    fuzz::ExpectOnlyDocumentedErrors([&] { RunCode(text, 0.5L); });
    const auto outcome = [&text](std::string (*translate)(const std::string&)) {
        try {
            return translate(text);
        } catch (const std::exception& e) {
            return std::string("error: ") + e.what();
        }
    };
    if (outcome(TranslateFormula) != outcome(TranslateFormulaByScanning))
        fuzz::Finding("the shortcut and the general translator disagree");
    return 0;
}
