#include "app/Init.h"

#include "core/Globals.h"
#include "core/IniFile.h"
#include "core/Options.h"
#include "pages/CalcPage.h"
#include "pages/ErrorDisplay.h"
#include "text/AllText.h"

#include <sys/stat.h>

namespace quillon {
namespace {

// The sections in the order the file lists them, whichever key is produced first.
constexpr const char* kSectionOrder[] = {"Main",    "Vektorrechnung", "Währung",   "Koordinatensysteme",
                                         "PLE",     "Format",         "PLE-Value", "Matrix",
                                         "MatrixA", "MatrixB",        "MatrixC",   "Complex"};

struct BoolKey {
    const char* key;
    bool* value;
};
const BoolKey kPleOptions[] = {{"PLE_inputout", &PLE_inputout},        {"PLE_Clear", &PLE_Clear},
                               {"PLE_Trennstrich", &PLE_Trennstrich},  {"PLE_mirror", &PLE_mirror},
                               {"PLE_DistanceOut", &PLE_DistanceOut},  {"PLE_AddInfo", &PLE_AddInfo},
                               {"PLE_Intersection", &PLE_Intersection}};
const BoolKey kMatrixOptions[] = {{"Matrix_Clear", &Matrix_Clear},
                                  {"Matrix_Trennstrich", &Matrix_Trennstrich}};

// The per-user configuration folder need not exist before the first save. What is missing of it is
// made private to the user, as the XDG rules ask; a folder that cannot be made shows in the save.
void CreateFolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos || slash == 0) return;
    const std::string folder = path.substr(0, slash);
    struct stat info {};
    if (::stat(folder.c_str(), &info) == 0) return;
    CreateFolderOf(folder);
    ::mkdir(folder.c_str(), 0700);
}

void Save(const IniFile& ini, const std::string& path) {
    try {
        CreateFolderOf(path);
        ini.Save(path);
    } catch (const std::exception& error) {
        throw SettingsFileError(error.what());
    }
}

constexpr const char* SketchSection = "Sketch";

} // namespace

void ReadPageSettings(const IniFile& ini, const SettingsPages& pages) {
    for (CalcPage* page :
         {pages.vector, pages.coordinate, pages.geometry, pages.matrix, pages.complex, pages.quaternion}) {
        if (page != nullptr) RunGuarded([&] { page->ReadSettings(ini); });
    }
}

WindowSettings ReadSettings(const std::string& path, const SettingsPages& pages) {
    auto file = std::make_shared<IniFile>();
    IniFile& ini = *file;
    WindowSettings window;
    ini.Load(path, window.unreadable);

    LangIndex = ValidLangIndex(ini.ReadInteger("Main", "LangIndex", 0));
    window.firstStart = ini.ReadBool("Main", "FirstStart", true);

    FloatFormat = ValidFloatFormat(ini.ReadInteger("Format", "FloatFormat", 0));
    Precision = ini.ReadInteger("Format", "CalcPrecision", 5);
    Digits = ini.ReadInteger("Format", "CalcDigits", 1);

    WLinks = ini.ReadString("Währung", "WLinks", "DEM");
    WRechts = ini.ReadString("Währung", "WRechts", "EUR");
    for (const BoolKey& option : kPleOptions)
        *option.value = ini.ReadBool("PLE", option.key, true);
    for (const BoolKey& option : kMatrixOptions)
        *option.value = ini.ReadBool("Matrix", option.key, true);
    Matrix_Eigen = ini.ReadBool("Matrix", "Matrix_Eigen", false);
    window.tabsheetIndex = ini.ReadInteger("PLE", "TabsheetIndex", 0);
    SketchPlacement& sketch = window.sketch;
    sketch.stored = ini.Value(SketchSection, "Width").has_value();
    sketch.open = ini.ReadBool(SketchSection, "Open", false);
    sketch.left = ini.ReadInteger(SketchSection, "Left", 0);
    sketch.top = ini.ReadInteger(SketchSection, "Top", 0);
    sketch.width = ini.ReadInteger(SketchSection, "Width", 0);
    sketch.height = ini.ReadInteger(SketchSection, "Height", 0);

    ReadPageSettings(ini, pages);
    window.file = std::move(file);
    return window;
}

void WriteSettings(const std::string& path, const SettingsPages& pages, int tabsheetIndex,
                   const SketchPlacement* sketch) {
    IniFile ini;
    std::string problem;
    ini.Load(path, problem); // keys of other versions and of pages not built yet stay
    if (!problem.empty()) throw SettingsFileError(path + ": " + problem);
    for (const char* section : kSectionOrder)
        ini.EnsureSection(section);

    const auto write = [&ini](CalcPage* page) {
        if (page != nullptr) page->WriteSettings(ini);
    };
    try {
        ini.WriteInteger("Main", "LangIndex", LangIndex);
        ini.WriteBool("Main", "FirstStart", false);
        write(pages.vector);
        ini.WriteString("Währung", "WLinks", WLinks);
        ini.WriteString("Währung", "WRechts", WRechts);
        write(pages.coordinate);
        write(pages.geometry);
        for (const BoolKey& option : kPleOptions)
            ini.WriteBool("PLE", option.key, *option.value);
        ini.WriteInteger("PLE", "TabsheetIndex", tabsheetIndex);
        ini.WriteInteger("Format", "FloatFormat", FloatFormat);
        ini.WriteInteger("Format", "CalcPrecision", Precision);
        ini.WriteInteger("Format", "CalcDigits", Digits);
        write(pages.matrix);
        for (const BoolKey& option : kMatrixOptions)
            ini.WriteBool("Matrix", option.key, *option.value);
        // A file of a user who never switched the report on stays as it always was.
        if (Matrix_Eigen || ini.Value("Matrix", "Matrix_Eigen"))
            ini.WriteBool("Matrix", "Matrix_Eigen", Matrix_Eigen);
        write(pages.complex);
        write(pages.quaternion);
        if (sketch != nullptr) {
            ini.WriteBool(SketchSection, "Open", sketch->open);
            ini.WriteInteger(SketchSection, "Left", sketch->left);
            ini.WriteInteger(SketchSection, "Top", sketch->top);
            ini.WriteInteger(SketchSection, "Width", sketch->width);
            ini.WriteInteger(SketchSection, "Height", sketch->height);
        }
    } catch (...) {
        // What was produced before the failing field is kept, as if written key by key.
        try {
            CreateFolderOf(path);
            ini.Save(path);
        } catch (...) {
            // The page's error is the one to report; the next close reports the file.
        }
        throw;
    }
    Save(ini, path);
}

} // namespace quillon
