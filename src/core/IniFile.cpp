#include "core/IniFile.h"

#include "core/FloatError.h"
#include "core/NumberFormats.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace quillon {
namespace {

std::string_view Trim(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v'; };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Names compare like the platform's profile functions: ASCII letters without regard to case.
std::string Folded(std::string_view name) {
    std::string folded(name);
    for (char& c : folded)
        c = Lower(c);
    return folded;
}

// A key or section name that can be written back and read again as the same line. A "]" ends a
// section's header but is an ordinary character inside a key (the matrix keys are "MA[2,3]").
bool UsableName(std::string_view name, bool section = false) {
    if (name.empty() || name.front() == '[' || name.front() == ';' || name != Trim(name)) return false;
    for (char c : name)
        if (c == '\n' || c == '\r' || c == '\0' || c == '=' || (section && c == ']')) return false;
    return true;
}

// The largest double as the file holds it: rounded to 15 significant digits, above the double range.
long double LargestWrittenDouble() {
    static const long double largest = [] {
        std::string text = FormatGeneral(std::numeric_limits<double>::max(), 15, '.');
        long double value = 0;
        std::from_chars(text.data(), text.data() + text.size(), value);
        return value;
    }();
    return largest;
}

std::string SystemReason(int error) {
    return std::strerror(error);
}

// The file a chain of symbolic links at path ends in (path itself when it is no link). A dangling
// link gives the missing file it names, which the save then creates.
std::string LinkTarget(std::string path) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
        std::string link(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 255) + 1, '\0');
        const ssize_t n = ::readlink(path.c_str(), link.data(), link.size());
        if (n < 0) return path;
        link.resize(static_cast<std::size_t>(n));
        const std::size_t slash = path.rfind('/');
        path = link.front() == '/' || slash == std::string::npos ? link : path.substr(0, slash + 1) + link;
    }
    return {}; // a loop of links
}

[[noreturn]] void Fail(const std::string& path, const std::string& reason) {
    throw std::runtime_error(path + ": " + reason);
}

std::optional<long long> ParseInteger(std::string_view text) {
    text = Trim(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (!text.empty() && text.front() == '$') {
        base = 16;
        text.remove_prefix(1);
    } else if (text.size() > 1 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty()) return std::nullopt;
    unsigned long long magnitude = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    if (magnitude > (negative ? 9223372036854775808ULL : 9223372036854775807ULL)) return std::nullopt;
    return negative ? static_cast<long long>(0 - magnitude) : static_cast<long long>(magnitude);
}

} // namespace

bool IniFile::Load(const std::string& path) {
    std::string problem;
    return Load(path, problem);
}

bool IniFile::Load(const std::string& path, std::string& problem) {
    sections_.clear();
    index_.clear();
    problem.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno != ENOENT && errno != ENOTDIR) problem = SystemReason(errno);
        return false;
    }
    std::string text;
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        problem = SystemReason(errno);
    } else if (!S_ISREG(info.st_mode)) {
        problem = "not a regular file";
    } else {
        char buffer[65536];
        for (;;) {
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) {
                problem = SystemReason(errno);
                break;
            }
            if (n == 0) break;
            if (text.size() + static_cast<std::size_t>(n) > MaxFileSize) {
                problem = "larger than " + std::to_string(MaxFileSize / (1024 * 1024)) + " MiB";
                break;
            }
            text.append(buffer, static_cast<std::size_t>(n));
        }
    }
    ::close(fd);
    if (!problem.empty()) return false;
    Parse(text);
    return true;
}

void IniFile::Parse(std::string_view text) {
    sections_.clear();
    index_.clear();
    // An editor may have put a byte order mark before the first section.
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    Section* current = nullptr;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = Trim(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);

        if (line.empty() || line.front() == ';') continue;
        if (line.find('\0') != std::string_view::npos) continue;
        if (line.front() == '[') {
            const std::size_t close = line.find(']');
            if (close == std::string_view::npos) continue;
            const std::string_view name = Trim(line.substr(1, close - 1));
            if (!UsableName(name, true)) {
                current = nullptr;
                continue;
            }
            // A section that appears twice is one section, as the look-up sees it.
            current = Find(name);
            if (current == nullptr) current = &AddSection(name);
            continue;
        }
        const std::size_t equals = line.find('=');
        if (current == nullptr || equals == std::string_view::npos) continue;
        const std::string_view key = Trim(line.substr(0, equals));
        if (!UsableName(key)) continue;
        // The first line of a key is the one the look-up finds; later duplicates are dropped.
        if (current->index.count(Folded(key)) == 0)
            AddEntry(*current, key, std::string(Trim(line.substr(equals + 1))));
    }
}

std::string IniFile::Text() const {
    std::string text;
    for (const Section& section : sections_) {
        if (section.entries.empty()) continue; // holds nothing worth a header line
        if (!text.empty()) text += '\n';
        text += '[' + section.name + "]\n";
        for (const Entry& entry : section.entries)
            text += entry.key + '=' + entry.value + '\n';
    }
    return text;
}

void IniFile::Save(const std::string& path) const {
    const std::string text = Text();
    // A link named like the settings file stays a link: its target is what gets replaced.
    const std::string target = LinkTarget(path);
    if (target.empty()) Fail(path, SystemReason(ELOOP));
    const std::size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : target.substr(0, slash);

    // A file without its owner's write bit is the user's way of freezing the settings; that holds for
    // root too, whom access() would let through.
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists && ((old.st_mode & S_IWUSR) == 0 || ::access(target.c_str(), W_OK) != 0))
        Fail(path, SystemReason(EACCES));

    std::string temp = target + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) Fail(path, SystemReason(errno));

    const auto abandon = [&](int error) {
        ::close(fd);
        ::unlink(temp.c_str());
        Fail(path, SystemReason(error));
    };
    // mkstemp creates the file for its owner only: the new file takes the old one's mode (a private
    // file stays private) and owner, or that of a new file.
    if (exists) {
        ::fchmod(fd, old.st_mode & 07777);
        if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
            // Only root may give a file away; anyone else's new file is theirs already.
        }
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0644 & ~mask);
    }

    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t n = ::write(fd, text.data() + written, text.size() - written);
        if (n < 0) {
            if (errno == EINTR) continue;
            abandon(errno);
        }
        written += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0) abandon(errno);
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(temp.c_str());
        Fail(path, SystemReason(error));
    }
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        const int error = errno;
        ::unlink(temp.c_str());
        Fail(path, SystemReason(error));
    }
    // The rename itself reaches the disk with the folder.
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

IniFile::Section* IniFile::Find(std::string_view section) {
    const auto found = index_.find(Folded(section));
    return found == index_.end() ? nullptr : &sections_[found->second];
}

const IniFile::Section* IniFile::Find(std::string_view section) const {
    const auto found = index_.find(Folded(section));
    return found == index_.end() ? nullptr : &sections_[found->second];
}

IniFile::Section& IniFile::AddSection(std::string_view name) {
    index_.emplace(Folded(name), sections_.size());
    sections_.push_back({std::string(name), {}, {}});
    return sections_.back();
}

void IniFile::AddEntry(Section& section, std::string_view key, std::string value) {
    section.index.emplace(Folded(key), section.entries.size());
    section.entries.push_back({std::string(key), std::move(value)});
}

void IniFile::EnsureSection(std::string_view section) {
    if (UsableName(section, true) && Find(section) == nullptr) AddSection(section);
}

std::optional<std::string> IniFile::Value(std::string_view section, std::string_view key) const {
    if (const Section* s = Find(section)) {
        const auto found = s->index.find(Folded(key));
        if (found != s->index.end()) return s->entries[found->second].value;
    }
    return std::nullopt;
}

void IniFile::SetValue(std::string_view section, std::string_view key, std::string_view value) {
    if (!UsableName(section, true) || !UsableName(key)) throw std::invalid_argument("unusable settings key");
    // A value is one line; line breaks would start new keys when read back. Trimmed after they are
    // replaced, so that the value held is the one the file gives back.
    std::string line(value);
    for (char& c : line)
        if (c == '\n' || c == '\r' || c == '\0') c = ' ';
    line = std::string(Trim(line));
    EnsureSection(section);
    Section& s = *Find(section);
    const auto found = s.index.find(Folded(key));
    if (found != s.index.end())
        s.entries[found->second].value = std::move(line);
    else
        AddEntry(s, key, std::move(line));
}

int IniFile::ReadInteger(std::string_view section, std::string_view key, int fallback) const {
    const auto value = Value(section, key);
    if (!value) return fallback;
    const auto number = ParseInteger(*value);
    if (!number || *number < INT32_MIN || *number > INT32_MAX) return fallback;
    return static_cast<int>(*number);
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool fallback) const {
    const auto value = Value(section, key);
    if (!value) return fallback;
    const auto number = ParseInteger(*value);
    return number ? *number != 0 : fallback;
}

double IniFile::ReadFloat(std::string_view section, std::string_view key, double fallback) const {
    const auto value = Value(section, key);
    if (!value) return fallback;
    std::string text(Trim(*value));
    if (!text.empty() && text.front() == '+') text.erase(0, 1);
    if (text.empty() || text.front() == '+') return fallback;
    for (char& c : text)
        if (c == ',') c = '.';
    double number = 0;
    const char* const last = text.data() + text.size();
    const auto [end, error] = std::from_chars(text.data(), last, number);
    if (error == std::errc::result_out_of_range && end == last) {
        // The largest double is written rounded up to 15 digits, just beyond the double range: that
        // text, and nothing larger, reads back as the largest double.
        long double wide = 0;
        const auto [wideEnd, wideError] = std::from_chars(text.data(), last, wide);
        if (wideError == std::errc() && wideEnd == last && std::fabs(wide) > 1 &&
            std::fabs(wide) <= LargestWrittenDouble())
            return std::copysign(std::numeric_limits<double>::max(), static_cast<double>(wide));
    }
    if (error != std::errc() || end != last || !std::isfinite(number)) return fallback;
    return number;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                const std::string& fallback) const {
    const auto value = Value(section, key);
    return value ? *value : fallback;
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
    SetValue(section, key, std::to_string(value));
}

void IniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
    SetValue(section, key, value ? "1" : "0");
}

void IniFile::WriteFloat(std::string_view section, std::string_view key, Extended value) {
    const FloatFlagsGuard guard; // narrowing an out-of-range value must not leave an event behind
    double narrow = static_cast<double>(value);
    // Beyond the double range the value is kept as the largest double of its sign rather than as "INF",
    // which would read back as the default.
    if (std::isinf(narrow)) narrow = std::copysign(std::numeric_limits<double>::max(), narrow);
    SetValue(section, key, FormatGeneral(narrow, 15, DecimalSeparator));
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    SetValue(section, key, value);
}

} // namespace quillon
