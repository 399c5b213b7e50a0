#pragma once

#include <memory>
#include <stdexcept>
#include <string>

namespace quillon {

class CalcPage;
class IniFile;

// The pages whose sections the settings file holds, by role; any may be null.
struct SettingsPages {
    CalcPage* vector = nullptr;
    CalcPage* geometry = nullptr;
    CalcPage* coordinate = nullptr;
    CalcPage* matrix = nullptr;
    CalcPage* complex = nullptr;
    CalcPage* quaternion = nullptr;
};

// The sketch window's place and size (its client area, in screen pixels) and whether it was open.
// `stored` says whether the file holds them at all; the window checks that the place is on a screen.
struct SketchPlacement {
    bool stored = false;
    bool open = false;
    int left = 0, top = 0, width = 0, height = 0;
};

// What the window itself restores.
struct WindowSettings {
    bool firstStart = true;
    int tabsheetIndex = 0; // as stored; the window decides what an unknown value means
    // Why a file that is there could not be read (not a regular file, no permission, an I/O error, too
    // large); empty when it was read or is missing. Such a file is not replaced at close.
    std::string unreadable;
    SketchPlacement sketch;
    // The file as it was read, for the pages that read their sections later (ReadPageSettings).
    std::shared_ptr<const IniFile> file;
};

// The file could not be written; what() names the file and the reason.
class SettingsFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads the process-wide settings (language, number format, report options, currency codes) first,
// so that every page writes its restored fields with the user's precision, then lets each page read
// its own sections. A missing, unreadable or broken file gives the defaults. An error a page throws
// is shown by the error display and the other pages still read theirs.
WindowSettings ReadSettings(const std::string& path, const SettingsPages& pages);
// The pages' part of ReadSettings, for pages given later: each reads its sections from `ini`, in the
// order of the file; an error a page throws is shown and the others still read theirs.
void ReadPageSettings(const IniFile& ini, const SettingsPages& pages);

// Writes every section in its order, keeping what the file holds beyond that. A page that cannot take
// over its fields throws its error; the keys produced before it are saved, the rest keep their old
// contents. A failed save throws SettingsFileError and leaves the old file as it was; so does a file
// that is there but cannot be read, since replacing it would lose the settings it holds. The sketch
// window's section is written last, and only where `sketch` is given: a session that never opened
// the window leaves the file as it would be without one.
void WriteSettings(const std::string& path, const SettingsPages& pages, int tabsheetIndex,
                   const SketchPlacement* sketch = nullptr);

} // namespace quillon
