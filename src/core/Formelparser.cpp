#include "core/Formelparser.h"

#include "core/FloatError.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <string_view>

namespace quillon {
namespace {

// Limits that keep malformed or hostile texts from exhausting memory, time or the call stack. Real
// formulas stay far below them.
constexpr std::size_t MaxTextLength = 65536;
constexpr int MaxNesting = 200;
// The evaluation stack holds this many operands; a formula that needs more is rejected.
constexpr int MaxStack = 30;

constexpr char PiCode = 'w';
constexpr char VariableCode = 'x';
constexpr char LiteralMark = '#';

constexpr bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The character mapping of NormalizeFormula.
constexpr char Normalized(char c) {
    if (c == '.') return ',';
    if (c >= 'A' && c <= 'Z') return static_cast<char>(c - 'A' + 'a');
    if (c == '[') return '(';
    if (c == ']') return ')';
    return c;
}

constexpr bool IsOperator(char c) {
    return c == '+' || c == '-' || c == '*' || c == '/' || c == '^';
}

// The atom shown in a message, shortened so that a huge text does not make a huge message box.
std::string Shown(std::string_view s) {
    constexpr std::size_t Length = 40;
    if (s.size() <= Length) return std::string(s);
    return std::string(s.substr(0, Length)) + "...";
}

// A function name is recognised by a few of its characters only (1-based positions), so "cxs(0)" is
// cos(0); prefix is the length of the name plus its opening bracket.
struct FunctionName {
    const char* tested; // pairs of position digit and character
    int prefix;
    char code;
};

constexpr FunctionName FunctionNames[] = {
    {"1a2b", 4, 'a'},       // abs
    {"1a2r3c4c6s", 7, 'b'}, // arccos
    {"1a2r3c4c6t", 7, 'c'}, // arccot
    {"1a2r3c4o", 7, 'd'},   // arcosh
    {"1a2r3c4s", 7, 'e'},   // arcsin
    {"1a2r3c4t", 7, 'f'},   // arctan
    {"1a2r3s", 7, 'g'},     // arsinh
    {"1a2r3t", 7, 'h'},     // artanh
    {"1c3s4(", 4, 'i'},     // cos
    {"1c3s4h", 5, 'j'},     // cosh
    {"1c3t4(", 4, 'k'},     // cot
    {"1c3t4h", 5, 'l'},     // coth
    {"1e", 4, 'm'},         // exp
    {"1f", 5, 'n'},         // frac
    {"1i", 4, 'o'},         // int
    {"1l", 3, 'p'},         // ln
    {"1s2i4(", 4, 'q'},     // sin
    {"1s2i4h", 5, 'r'},     // sinh
    {"1s2q4(", 4, 's'},     // sqr
    {"1s2q4t", 5, 't'},     // sqrt
    {"1t4(", 4, 'u'},       // tan
    {"1t4h", 5, 'v'},       // tanh
};

constexpr std::size_t NameCount = sizeof FunctionNames / sizeof FunctionNames[0];

// Each name's tested characters as one mask and pattern over the atom's first eight characters, so
// that a name is tried with one comparison. The names that can match an atom all begin with its first
// letter, which they test first; the search tries only that letter's names, in the table's order.
struct NamePattern {
    std::uint64_t mask, bits;
};
struct LetterRange {
    unsigned char begin, end;
};

constexpr auto NamePatterns = [] {
    std::array<NamePattern, NameCount> patterns{};
    for (std::size_t i = 0; i < NameCount; ++i) {
        for (const char* t = FunctionNames[i].tested; *t != '\0'; t += 2) {
            const int shift = 8 * (t[0] - '1');
            patterns[i].mask |= std::uint64_t{0xFF} << shift;
            patterns[i].bits |= std::uint64_t{static_cast<unsigned char>(t[1])} << shift;
        }
    }
    return patterns;
}();

constexpr auto NamesByFirstLetter = [] {
    std::array<LetterRange, 26> ranges{};
    for (std::size_t i = 0; i < NameCount; ++i) {
        LetterRange& r = ranges[static_cast<std::size_t>(FunctionNames[i].tested[1] - 'a')];
        if (r.begin == r.end) r.begin = static_cast<unsigned char>(i);
        r.end = static_cast<unsigned char>(i + 1);
    }
    return ranges;
}();

constexpr bool NamesFitThePatterns() {
    for (std::size_t i = 0; i < NameCount; ++i) {
        const char* t = FunctionNames[i].tested;
        if (t[0] != '1' || t[1] < 'a' || t[1] > 'z') return false;
        if (i > 0 && t[1] < FunctionNames[i - 1].tested[1]) return false;
        for (; *t != '\0'; t += 2)
            if (t[0] < '1' || t[0] > '8') return false;
    }
    return true;
}
static_assert(NamesFitThePatterns(), "names test their first letter first, grouped, within 8 characters");

// word: the atom's first eight characters, the first in the lowest byte; those past its end are 0,
// which no name tests for.
const FunctionName* FindFunction(std::uint64_t word) {
    const unsigned first = static_cast<unsigned>(word & 0xFF) - 'a';
    if (first >= 26) return nullptr;
    const LetterRange range = NamesByFirstLetter[first];
    for (unsigned i = range.begin; i < range.end; ++i)
        if ((word & NamePatterns[i].mask) == NamePatterns[i].bits) return &FunctionNames[i];
    return nullptr;
}

const FunctionName* FindFunction(std::string_view atom) {
    std::uint64_t word = 0;
    const std::size_t known = std::min<std::size_t>(atom.size(), 8);
    for (std::size_t i = 0; i < known; ++i)
        word |= std::uint64_t{static_cast<unsigned char>(atom[i])} << (8 * i);
    return FindFunction(word);
}

// The code grows in a buffer on the stack, so translating a formula allocates nothing but the
// returned string, and that only for a code too long for the string's own small buffer.
class CodeBuffer {
public:
    CodeBuffer() = default;
    CodeBuffer(const CodeBuffer&) = delete;
    CodeBuffer& operator=(const CodeBuffer&) = delete;

    void Append(char c) {
        if (size_ == capacity_) Grow(1);
        data_[size_++] = c;
    }
    void Append(std::string_view s) {
        if (capacity_ - size_ < s.size()) Grow(s.size());
        std::memcpy(data_ + size_, s.data(), s.size());
        size_ += s.size();
    }
    std::string Text() const {
        return std::string(data_, size_);
    }

private:
    void Grow(std::size_t more) {
        const bool wasSmall = data_ == small_;
        heap_.resize(std::max(2 * capacity_, size_ + more));
        if (wasSmall) std::memcpy(heap_.data(), small_, size_);
        data_ = heap_.data();
        capacity_ = heap_.size();
    }

    char small_[1024];
    std::string heap_;
    char* data_ = small_;
    std::size_t size_ = 0;
    std::size_t capacity_ = sizeof small_;
};

// Writes the postfix code of a normalised, blank-free text straight into one string. Each level
// scans its part of the text once; no substring is copied.
class Translator {
public:
    Translator(CodeBuffer& code, bool hasMark) : code_(code), hasMark_(hasMark) {}

    // below: operands already on the stack under this part's result when it runs. balanced: the
    // brackets of s pair up, so it may be scanned from either end.
    void Translate(std::string_view s, int below, int level, bool balanced) {
        if (level > MaxNesting) throw FormulaError(FormulaErrorKind::TooDeep);

        std::size_t split = std::string_view::npos;
        for (;;) {
            if (s.empty()) throw FormulaError(FormulaErrorKind::MissingOperand);
            const bool enclosed = balanced ? ScanBalanced(s, split) : ScanLeftToRight(s, split);
            if (!enclosed) break;
            s = s.substr(1, s.size() - 2);
        }

        if (split == std::string_view::npos) {
            TranslateAtom(s, below, level);
        } else if (split == 0 && (s[0] == '+' || s[0] == '-')) {
            // A leading sign applies to the whole rest: -x^2 is -(x^2).
            if (s[0] == '-') {
                Push(below);
                code_.Append("#-1#");
                Translate(s.substr(1), below + 1, level + 1, balanced);
                code_.Append('*');
            } else {
                Translate(s.substr(1), below, level + 1, balanced);
            }
        } else {
            // The code of L op R is R's code, then L's, then op: when op runs, L is on top.
            Translate(s.substr(split + 1), below, level + 1, balanced);
            Translate(s.substr(0, split), below + 1, level + 1, balanced);
            code_.Append(s[split]);
        }
    }

private:
    // The operator to split at: the last top-level + or -, else the last top-level * or /, else the
    // first top-level ^ (so + - * / associate to the left, ^ to the right). Returns true instead
    // when one pair of brackets encloses all of s. The order in which the brackets are matched
    // matters for texts whose brackets do not pair up; those are scanned from the left.
    static bool ScanLeftToRight(std::string_view s, std::size_t& split) {
        const std::size_t n = s.size();
        split = std::string_view::npos;
        int depth = 0;
        bool closedOnce = false;
        for (std::size_t i = 0; i < n; ++i) {
            const char c = s[i];
            if (c == '(') {
                ++depth;
            } else if (c == ')') {
                // The first bracket that brings the depth back to 0 decides whether s is enclosed.
                if (--depth == 0 && !closedOnce) {
                    if (s[0] == '(' && i == n - 1) return true;
                    closedOnce = true;
                }
            } else if (depth == 0 && IsOperator(c)) {
                if (c == '+' || c == '-') {
                    if (!IsExponentSign(s, i)) split = i;
                } else if (split == std::string_view::npos) {
                    split = i;
                } else if ((c == '*' || c == '/') && s[split] != '+' && s[split] != '-') {
                    split = i;
                }
            }
        }
        return false;
    }

    // The same choice for balanced text, from the right: a sum stops at its last term, so a long sum
    // is translated in linear time.
    static bool ScanBalanced(std::string_view s, std::size_t& split) {
        const std::size_t n = s.size();
        std::size_t mulDiv = std::string_view::npos;
        std::size_t power = std::string_view::npos;
        bool mayBeEnclosed = s[0] == '(' && s[n - 1] == ')';
        int depth = 0;
        for (std::size_t i = n; i-- > 0;) {
            const char c = s[i];
            if (c == ')') {
                ++depth;
            } else if (c == '(') {
                if (--depth == 0 && mayBeEnclosed) {
                    if (i == 0) return true;
                    mayBeEnclosed = false;
                }
            } else if (depth == 0) {
                if (c == '+' || c == '-') {
                    if (!IsExponentSign(s, i)) {
                        split = i;
                        return false;
                    }
                } else if (c == '*' || c == '/') {
                    if (mulDiv == std::string_view::npos) mulDiv = i;
                } else if (c == '^') {
                    power = i;
                }
            }
        }
        split = mulDiv != std::string_view::npos ? mulDiv : power;
        return false;
    }

    // The sign of a literal's exponent, as in 1,2345e-5: an "e" right after a digit or "," of a
    // number literal and followed by a digit. Such a sign is part of the literal, not an operator.
    static bool IsExponentSign(std::string_view s, std::size_t i) {
        if (i < 2 || i + 1 >= s.size() || s[i - 1] != 'e' || !IsDigit(s[i + 1])) return false;
        std::size_t j = i - 2;
        if (!IsDigit(s[j]) && s[j] != ',') return false;
        // The run of digits and commas must start the literal, not end a name such as "pi2e".
        while (j > 0 && (IsDigit(s[j - 1]) || s[j - 1] == ','))
            --j;
        if (j == 0) return true;
        const char before = s[j - 1];
        return IsOperator(before) || before == '(';
    }

    void TranslateAtom(std::string_view s, int below, int level) {
        const char first = s[0];
        if (IsDigit(first) || first == ',') {
            Push(below);
            // A "#" would end the literal early and turn the rest into code.
            if (hasMark_ && s.find(LiteralMark) != std::string_view::npos)
                throw ConversionError(std::string(s));
            code_.Append(LiteralMark);
            code_.Append(s);
            code_.Append(LiteralMark);
        } else if (first == 'x') {
            Push(below);
            code_.Append(VariableCode);
        } else if (first == 'p') {
            Push(below);
            code_.Append(PiCode);
        } else if (const FunctionName* name = FindFunction(s)) {
            const std::size_t prefix = static_cast<std::size_t>(name->prefix);
            if (s.size() <= prefix) throw FormulaError(FormulaErrorKind::MissingArgument, Shown(s));
            // The last character is dropped as the closing bracket; were it part of the argument, as in
            // "ln(100" with the bracket forgotten, the result would silently be that of ln(10).
            if (s.back() != ')')
                throw FormulaError(FormulaErrorKind::MissingClosingBracket, Shown(s));
            const std::string_view argument = s.substr(prefix, s.size() - prefix - 1);
            if (argument.empty()) throw FormulaError(FormulaErrorKind::MissingArgument, Shown(s));
            Translate(argument, below, level + 1, IsBalanced(argument));
            code_.Append(name->code);
        } else if (first == '(' || first == ')') {
            if (IsBalanced(s))
                throw FormulaError(FormulaErrorKind::MissingOperator, Shown(s));
            throw FormulaError(FormulaErrorKind::UnbalancedBrackets, Shown(s));
        } else {
            throw FormulaError(FormulaErrorKind::UnknownName, Shown(s));
        }
    }

    static bool IsBalanced(std::string_view s) {
        int depth = 0;
        for (const char c : s) {
            if (c == '(') ++depth;
            if (c == ')' && --depth < 0) return false;
        }
        return depth == 0;
    }

    static void Push(int below) {
        if (below >= MaxStack)
            throw FormulaError(FormulaErrorKind::TooManyOperands);
    }

    CodeBuffer& code_;
    bool hasMark_; // whether the text contains a "#" at all
};

// Plain formulas, the most common, in one pass over the raw text with the usual precedences. Read
// from the right, the Translator's code of L op R (R's code, then L's, then op) is the ordinary postfix
// code of the text read backwards, in which + - * / associate to the right and ^ to the left and a
// function's name follows its argument: one operator stack makes it, with no tree and no copy of the
// text. The mapping of NormalizeFormula and the dropping of blanks happen on the way. Anything that is
// not plain (exponent literals, a sign after an operator, unknown or misspelt names, juxtaposed
// operands, limits the Translator enforces) is left to the Translator, from the beginning, so that its
// results and its errors stay exactly as they are.
namespace plain {

constexpr std::size_t MaxLength = 200;
// A sign writes the most code per character of text: five.
constexpr std::size_t MaxCode = 5 * MaxLength + 2;
// Operators, signs and functions, each one level of the Translator's recursion: below its limit, it
// cannot refuse the text as too deep.
constexpr int MaxWeight = MaxNesting / 2;

constexpr char Unplain = 0;   // a character left to the Translator
constexpr char TextStart = 1; // read before the first character

// Each character as the pass reads it: normalised, a blank, or Unplain.
constexpr auto Characters = [] {
    std::array<char, 256> map{};
    for (int i = 0; i < 256; ++i) {
        const char c = Normalized(static_cast<char>(i));
        const bool taken = IsDigit(c) || (c >= 'a' && c <= 'z') || c == ',' || c == '(' || c == ')' ||
                           IsOperator(c) || c == ' ';
        map[static_cast<std::size_t>(i)] = taken ? c : Unplain;
    }
    return map;
}();

inline char Read(char c) {
    return Characters[static_cast<unsigned char>(c)];
}

// The characters that may stand in a literal as the pass reads it: digits, commas, blanks.
constexpr auto LiteralCharacters = [] {
    std::array<bool, 256> table{};
    for (std::size_t i = 0; i < 256; ++i)
        table[i] = IsDigit(Characters[i]) || Characters[i] == ',' || Characters[i] == ' ';
    return table;
}();

// The operators' precedences, 0 for every other character.
constexpr auto Precedences = [] {
    std::array<unsigned char, 256> table{};
    table['+'] = table['-'] = 1;
    table['*'] = table['/'] = 2;
    table['^'] = 3;
    return table;
}();

inline int Precedence(char c) {
    return Precedences[static_cast<unsigned char>(c)];
}

// Writes the code of text to out and returns its length, or 0 for a text that is not plain.
std::size_t Translate(std::string_view text, char* const out) {
    if (text.size() > MaxLength) return 0;
    const char* const s = text.data();
    std::size_t i = text.size(); // the characters before i are still to be read

    // An open bracket (a closing one in the text): where its operators start on the stack, where the
    // first term of its sum starts in the code (a leading sign's operand), where it closes in the text.
    struct Group {
        unsigned short operators, termStart, close;
    };
    Group groups[MaxLength / 2 + 1];
    int groupCount = 1;
    groups[0] = {0, 0, 0};
    char operators[MaxWeight + 1];
    int stacked = 0;
    int weight = 0;
    int pushes = 0; // operands and signs, a bound on the depth the code needs

    char* o = out;
    const auto position = [&] { return static_cast<unsigned short>(o - out); };
    const auto next = [&]() -> char {
        while (i > 0) {
            const char c = Read(s[--i]);
            if (c != ' ') return c;
        }
        return TextStart;
    };
    const auto peek = [&] {
        const std::size_t kept = i;
        const char c = next();
        i = kept;
        return c;
    };

    for (;;) {
        // An operand, from its end: a literal, x, pi, or the end of a bracket.
        char c = next();
        while (c == ')') {
            if (groupCount == static_cast<int>(std::size(groups))) return 0;
            groups[groupCount++] = {static_cast<unsigned short>(stacked), position(),
                                    static_cast<unsigned short>(i)};
            c = next();
        }
        if (IsDigit(c) || c == ',') {
            const std::size_t end = i + 1;
            while (i > 0 && LiteralCharacters[static_cast<unsigned char>(s[i - 1])])
                --i;
            *o++ = LiteralMark;
            for (std::size_t k = i; k < end; ++k)
                if (const char d = Read(s[k]); d != ' ') *o++ = d;
            *o++ = LiteralMark;
        } else if (c == 'x') {
            *o++ = VariableCode;
        } else if (c == 'p' || (c == 'i' && next() == 'p')) {
            *o++ = PiCode;
        } else {
            return 0;
        }
        ++pushes;

        // What may stand before an operand: an operator, a sign, the start of a bracket or of the text.
        for (;;) {
            c = next();
            if (c == '(') {
                if (groupCount == 1) return 0;
                const Group& group = groups[--groupCount];
                while (stacked > group.operators)
                    *o++ = operators[--stacked];
                // A name right before the bracket makes it the name's argument.
                std::size_t start = i;
                int letters = 0;
                for (char d; start > 0 && (d = Read(s[start - 1]), (d >= 'a' && d <= 'z') || d == ' ');) {
                    --start;
                    letters += d != ' ';
                }
                if (letters > 0) {
                    // The name is recognised by the first characters of name, argument and bracket.
                    std::uint64_t word = 0;
                    int known = 0;
                    for (std::size_t k = start; k <= group.close && known < 8; ++k)
                        if (const char d = Read(s[k]); d != ' ')
                            word |= std::uint64_t{static_cast<unsigned char>(d)} << (8 * known++);
                    const FunctionName* name = FindFunction(word);
                    if (name == nullptr || name->prefix != letters + 1 || ++weight > MaxWeight) return 0;
                    *o++ = name->code;
                    i = start;
                }
            } else if (c == TextStart) {
                if (groupCount != 1 || pushes > MaxStack) return 0;
                while (stacked > 0)
                    *o++ = operators[--stacked];
                return static_cast<std::size_t>(o - out);
            } else if (Precedence(c) == 0) {
                return 0;
            } else if (const char before = Precedence(c) == 1 ? peek() : '\0';
                       before == '(' || before == TextStart) {
                // A sign applies to the first term only: -a*b+c is (-(a*b))+c, and its code is -1's,
                // then the term's, then *.
                if (++weight > MaxWeight) return 0;
                const Group& group = groups[groupCount - 1];
                while (stacked > group.operators && Precedence(operators[stacked - 1]) >= 2)
                    *o++ = operators[--stacked];
                if (c == '-') {
                    ++pushes;
                    char* const term = out + group.termStart;
                    std::memmove(term + 4, term, static_cast<std::size_t>(o - term));
                    std::memcpy(term, "#-1#", 4);
                    o += 4;
                    *o++ = '*';
                }
            } else {
                break;
            }
        }

        // A binary operator.
        if (++weight > MaxWeight) return 0;
        Group& group = groups[groupCount - 1];
        const int precedence = Precedence(c);
        // Read backwards, ^ associates to the left: it takes an earlier ^ off the stack.
        const int popped = precedence == 3 ? 3 : precedence + 1;
        while (stacked > group.operators && Precedence(operators[stacked - 1]) >= popped)
            *o++ = operators[--stacked];
        operators[stacked++] = c;
        if (precedence == 1) group.termStart = position();
    }
}

} // namespace plain

// Literals are converted independently of the C locale (the GUI toolkit sets it from the environment).
// Up to 19 significant digits and a decimal exponent up to 27 convert exactly with one rounding: the
// digits fit the 64-bit mantissa and 10^27 is exact in extended. Everything else goes through the C
// library's correctly rounded conversion in the "C" locale.
constexpr Extended PowersOfTen[] = {1e0L,  1e1L,  1e2L,  1e3L,  1e4L,  1e5L,  1e6L,  1e7L,  1e8L,  1e9L,
                                    1e10L, 1e11L, 1e12L, 1e13L, 1e14L, 1e15L, 1e16L, 1e17L, 1e18L, 1e19L,
                                    1e20L, 1e21L, 1e22L, 1e23L, 1e24L, 1e25L, 1e26L, 1e27L};
constexpr int ExactPowers = 27;

locale_t CLocale() {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

Extended SlowConvert(std::string_view literal) {
    std::string text(literal);
    for (char& c : text)
        if (c == ',') c = '.';
    const FloatFlagsGuard guard; // an out-of-range literal must leave no event behind
    return strtold_l(text.c_str(), nullptr, CLocale());
}

// Optional sign, digits, optional "," with further digits (at least one digit in all), optional
// exponent "e" with an optional sign and digits.
Extended ConvertLiteral(std::string_view literal) {
    const std::size_t n = literal.size();
    std::size_t i = 0;
    bool negative = false;
    if (i < n && (literal[i] == '+' || literal[i] == '-')) negative = literal[i++] == '-';

    std::uint64_t mantissa = 0;
    int significant = 0;
    int scale = 0; // decimal exponent contributed by the digits
    bool anyDigit = false;
    bool tooManyDigits = false;
    bool comma = false;
    for (; i < n; ++i) {
        const char c = literal[i];
        if (IsDigit(c)) {
            anyDigit = true;
            if (mantissa == 0 && c == '0') {
                if (comma) --scale;
            } else if (significant < 19) {
                mantissa = mantissa * 10 + static_cast<unsigned>(c - '0');
                ++significant;
                if (comma) --scale;
            } else {
                tooManyDigits = true;
                if (!comma) ++scale;
            }
        } else if (c == ',' && !comma) {
            comma = true;
        } else {
            break;
        }
    }
    if (!anyDigit) throw ConversionError(std::string(literal));

    int exponent = 0;
    if (i < n && literal[i] == 'e') {
        ++i;
        bool negativeExponent = false;
        if (i < n && (literal[i] == '+' || literal[i] == '-')) negativeExponent = literal[i++] == '-';
        if (i == n || !IsDigit(literal[i])) throw ConversionError(std::string(literal));
        for (; i < n && IsDigit(literal[i]); ++i)
            if (exponent < 100000) exponent = exponent * 10 + (literal[i] - '0');
        if (negativeExponent) exponent = -exponent;
    }
    if (i != n) throw ConversionError(std::string(literal));

    Extended value;
    const int decimalExponent = scale + exponent;
    if (mantissa == 0) {
        value = 0;
    } else if (!tooManyDigits && decimalExponent >= -ExactPowers && decimalExponent <= ExactPowers) {
        const Extended digits = static_cast<Extended>(mantissa);
        value = decimalExponent >= 0 ? digits * PowersOfTen[decimalExponent]
                                     : digits / PowersOfTen[-decimalExponent];
    } else {
        value = SlowConvert(literal.substr(negative || literal[0] == '+' ? 1 : 0));
        // Too large for extended: the platform's conversion rejects it rather than give infinity.
        if (std::isinf(value)) throw ConversionError(std::string(literal));
    }
    return negative ? -value : value;
}

using DualFunction = TDual (*)(const TDual&);

constexpr DualFunction Functions[] = {
    DualAbs, DualArccos, DualArccot, DualArcosh, DualArcsin, DualArctan, DualArsinh, DualArtanh,
    DualCos, DualCosh,   DualCot,    DualCoth,   DualExp,    DualFrac,   DualInt,    DualLn,
    DualSin, DualSinh,   DualSqr,    DualSqrt,   DualTan,    DualTanh,
};
static_assert(sizeof Functions / sizeof Functions[0] == 'v' - 'a' + 1);

[[noreturn]] void MalformedCode() {
    throw FormulaError(FormulaErrorKind::MalformedCode);
}

} // namespace

std::string NormalizeFormula(const std::string& text) {
    std::string result(text);
    for (char& c : result)
        c = Normalized(c);
    return result;
}

namespace {

// shortcut: whether plain formulas may take the one-pass translator.
std::string Translated(const std::string& text, bool shortcut) {
    if (shortcut) {
        char code[plain::MaxCode];
        if (const std::size_t length = plain::Translate(text, code)) return std::string(code, length);
    }
    if (text.size() > MaxTextLength) throw FormulaError(FormulaErrorKind::TooLong);

    // Blanks go, the rest is normalised in the same pass; short texts need no allocation.
    char small[256];
    std::string large;
    char* s = small;
    if (text.size() > sizeof small) {
        large.resize(text.size());
        s = large.data();
    }
    std::size_t n = 0;
    int depth = 0;
    bool balanced = true;
    bool hasMark = false;
    for (const char original : text) {
        if (original == ' ') continue;
        const char c = Normalized(original);
        if (c == '(') {
            // Stripping brackets scans the text once per pair, so very deep brackets would take long.
            if (++depth > MaxNesting) throw FormulaError(FormulaErrorKind::TooDeep);
        } else if (c == ')') {
            if (--depth < 0) balanced = false;
        } else if (c == LiteralMark) {
            hasMark = true;
        }
        s[n++] = c;
    }
    if (n == 0) throw FormulaError(FormulaErrorKind::Empty);

    CodeBuffer code;
    Translator(code, hasMark).Translate(std::string_view(s, n), 0, 0, balanced && depth == 0);
    return code.Text();
}

} // namespace

std::string TranslateFormula(const std::string& text) {
    return Translated(text, true);
}

std::string TranslateFormulaByScanning(const std::string& text) {
    return Translated(text, false);
}

TDual RunCode(const std::string& code, Extended x) {
    // The top operand lives apart from the rest, so that an operation reads the result of the one
    // before from registers instead of from a just-written stack slot: the FPU's 80-bit stores cannot
    // be forwarded to the loads that follow them.
    TDual below[MaxStack];
    TDual top{};
    int size = 0; // operands, the top one included
    const auto push = [&](const TDual& operand) {
        if (size == MaxStack) MalformedCode();
        if (size > 0) below[size - 1] = top;
        top = operand;
        ++size;
    };

    const char* p = code.data();
    const char* const end = p + code.size();
    while (p < end) {
        const char c = *p++;
        switch (c) {
        case LiteralMark: {
            // Plain integers, the most common literals, convert on the way to the closing mark.
            std::uint64_t whole = 0;
            const char* digit = p;
            const char* const digitsEnd = end - p > 19 ? p + 19 : end; // 19 digits fit 64 bits
            while (digit < digitsEnd && IsDigit(*digit))
                whole = whole * 10 + static_cast<unsigned>(*digit++ - '0');
            if (digit != p && digit < end && *digit == LiteralMark) {
                push(MakeConstant(static_cast<Extended>(whole)));
                p = digit + 1;
                break;
            }
            const char* close = p;
            while (close < end && *close != LiteralMark)
                ++close;
            if (close == end) MalformedCode();
            push(MakeConstant(ConvertLiteral(std::string_view(p, static_cast<std::size_t>(close - p)))));
            p = close + 1;
            break;
        }
        case VariableCode:
            push(MakeVariable(x));
            break;
        case PiCode:
            push(MakeConstant(Pi));
            break;
        case '+':
        case '-':
        case '*':
        case '/':
        case '^': {
            if (size < 2) MalformedCode();
            const TDual& next = below[size - 2];
            switch (c) {
            case '+':
                top = DualAdd(top, next);
                break;
            case '-':
                top = DualSub(top, next);
                break;
            case '*':
                top = DualMul(top, next);
                break;
            case '/':
                top = DualDiv(top, next);
                break;
            default:
                top = DualPower(top, next);
                break;
            }
            --size;
            break;
        }
        default:
            if (c >= 'a' && c <= 'v') {
                if (size < 1) MalformedCode();
                top = Functions[c - 'a'](top);
            }
            break;
        }
    }
    // A well-formed code leaves exactly its result; anything else was not made by the translator.
    if (size != 1) MalformedCode();
    return top;
}

} // namespace quillon
