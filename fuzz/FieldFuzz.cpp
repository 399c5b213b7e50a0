// The field readers under both decimal separators: the formula fields (EvaluateText) and the plain-number
// fields of the complex and quaternion pages. The first byte picks the separator and the precision; the
// rest is the typed text. Ten bytes of it are also taken as an extended number whose written text,
// at that precision, must read back finite through both readers.

#include "FuzzSupport.h"

#include "core/Globals.h"
#include "core/Handle.h"
#include "core/NumberFormats.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

using namespace quillon;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    DecimalSeparator = (data[0] & 1) != 0 ? ',' : '.';
    Precision = 2 + (data[0] >> 1) % 17; // 2..18, the range the options allow
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);

    fuzz::ExpectOnlyDocumentedErrors([&] { EvaluateText(text); });
    if (const auto plain = ParsePlainNumber(text); plain && !std::isfinite(*plain))
        fuzz::Finding("plain number reader gave a value that is not finite for \"" + text + "\"");

    if (size >= 11) {
        Extended x = 0;
        std::memcpy(&x, data + 1, 10);
        if (std::isfinite(x)) {
            const std::string written = FormatNumber(x);
            try {
                const Extended back = EvaluateText(written);
                if (!std::isfinite(back)) fuzz::Finding("\"" + written + "\" reads back as not finite");
            } catch (const std::exception& error) {
                fuzz::Finding("\"" + written + "\" does not read back: " + error.what());
            }
            if (!ParsePlainNumber(written)) fuzz::Finding("\"" + written + "\" is no plain number");
        }
    }
    return 0;
}
