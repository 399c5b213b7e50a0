// The settings file: any bytes parse, and what is then written reads back to the same sections, keys
// and values; a difference is lost data. After the file part, records separated by \x01 write keys
// (section \x02 key \x02 value) and a float through the typed writer, which must read back too.

#include "FuzzSupport.h"

#include "core/IniFile.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

using namespace quillon;

namespace {

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (;;) {
        const std::size_t at = text.find(separator);
        parts.push_back(text.substr(0, at));
        if (at == std::string_view::npos) return parts;
        text.remove_prefix(at + 1);
    }
}

struct Written {
    std::string section, key;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string_view> records = Split(input, '\x01');

    IniFile ini;
    ini.Parse(records[0]);
    std::vector<Written> written;
    for (std::size_t n = 1; n < records.size(); ++n) {
        const std::vector<std::string_view> fields = Split(records[n], '\x02');
        if (fields.size() == 3) {
            try {
                ini.SetValue(fields[0], fields[1], fields[2]);
                written.push_back({std::string(fields[0]), std::string(fields[1])});
            } catch (const std::invalid_argument&) {
                // a name that could not read back as itself is refused: documented
            }
        } else if (fields.size() == 2 && fields[1].size() >= sizeof(double)) {
            double x = 0;
            std::memcpy(&x, fields[1].data(), sizeof x);
            if (!std::isfinite(x)) continue;
            try {
                ini.WriteFloat("Fuzz", fields[0], x);
                written.push_back({"Fuzz", std::string(fields[0])});
                const double back =
                    ini.ReadFloat("Fuzz", fields[0], std::numeric_limits<double>::quiet_NaN());
                if (std::isnan(back)) fuzz::Finding("a written float reads back as the default");
            } catch (const std::invalid_argument&) {
            }
        }
    }

    const std::string text = ini.Text();
    IniFile again;
    again.Parse(text);
    if (again.Text() != text) fuzz::Finding("the written file does not read back as written");
    for (const Written& w : written) {
        if (again.Value(w.section, w.key) != ini.Value(w.section, w.key))
            fuzz::Finding("key [" + w.section + "] " + w.key + " does not read back");
    }
    return 0;
}
