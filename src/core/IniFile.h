#pragma once

#include "core/Globals.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// The settings file: sections of key=value lines. Look-ups ignore case like the platform's profile
// functions; sections and keys this program does not know are kept as they are.

namespace quillon {

class IniFile {
public:
    // Reads the file; a missing or unreadable file gives an empty IniFile (returns false).
    // A huge or binary file never fails: what does not parse as a section or key line is skipped.
    // Only a regular file is read, and opening never blocks (a FIFO named like the file would hang
    // the start for ever).
    bool Load(const std::string& path);
    // The same, and where a file is there but could not be read (not a regular file, no permission,
    // an I/O error, larger than MaxFileSize), problem says why; it stays empty for a missing file.
    bool Load(const std::string& path, std::string& problem);
    void Parse(std::string_view text);
    std::string Text() const;
    // Writes the whole file atomically (temporary file beside it, then rename), so the old file stays
    // intact when writing fails. Throws std::runtime_error naming the file and the reason.
    void Save(const std::string& path) const;

    // Adds the section, empty, at the end when it is not there yet: writing the sections in their
    // order first keeps the file in that order whichever key is written first. A section without
    // keys is left out of the file.
    void EnsureSection(std::string_view section);

    // Files larger than this are not read (they are not settings files); the program starts with
    // the defaults and leaves the file alone.
    static constexpr std::size_t MaxFileSize = 16 * 1024 * 1024;

    std::optional<std::string> Value(std::string_view section, std::string_view key) const;
    // Replaces the key's value in place or appends the key to its section. The value is one line
    // without surrounding blanks (line breaks become blanks). A name that would not read back as
    // itself (empty, surrounding blanks, "=", a line break, a leading "[" or ";", a "]" in a section
    // name) throws std::invalid_argument.
    void SetValue(std::string_view section, std::string_view key, std::string_view value);

    // Typed access with the encodings of the settings file; a missing or unconvertible value gives
    // the default. Integers also read "$FF" and "0xFF"; bools read any integer (0 false).
    int ReadInteger(std::string_view section, std::string_view key, int fallback) const;
    bool ReadBool(std::string_view section, std::string_view key, bool fallback) const;
    // Accepts both "," and "." as the decimal separator.
    double ReadFloat(std::string_view section, std::string_view key, double fallback) const;
    std::string ReadString(std::string_view section, std::string_view key, const std::string& fallback) const;

    void WriteInteger(std::string_view section, std::string_view key, int value);
    void WriteBool(std::string_view section, std::string_view key, bool value);
    // Through double precision, 15 significant digits, DecimalSeparator ("3,14159265358979", "1E-5").
    void WriteFloat(std::string_view section, std::string_view key, Extended value);
    void WriteString(std::string_view section, std::string_view key, std::string_view value);

private:
    struct Section;
    Section* Find(std::string_view section);
    const Section* Find(std::string_view section) const;

    struct Entry {
        std::string key;
        std::string value;
    };
    struct Section {
        std::string name;
        std::vector<Entry> entries;
        std::unordered_map<std::string, std::size_t> index; // lower-case key -> entry
    };
    Section& AddSection(std::string_view name);
    static void AddEntry(Section& section, std::string_view key, std::string value);

    std::vector<Section> sections_;
    std::unordered_map<std::string, std::size_t> index_; // lower-case section name -> section
};

} // namespace quillon
