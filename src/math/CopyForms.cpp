#include "math/CopyForms.h"

#include "core/Handle.h"
#include "core/NumberFormats.h"

#include <algorithm>
#include <cmath>

namespace quillon {
namespace {

// LaTeX matrices are amsmath's pmatrix. Octave separates parts by blanks only: a negative part is
// written "-2", with no blank after the sign, so that [1 -2] stays two parts.
// clang-format off
constexpr CopyForm Forms[] = {
    // id         name             text shown  open                 close
    //        row open, close  parts  rows     vector              complex          quaternion        unit
    {"LaTeX",     "LaTeX",         -1,  false, "\\begin{pmatrix} ", " \\end{pmatrix}",
              "",  "",         " & ", " \\\\ ", CopyLayout::Column, CopyLayout::Sum, CopyLayout::Sum,  "i"},
    {"Octave",    "Octave/MATLAB", -1,  false, "[",                 "]",
              "",  "",         " ",   "; ",     CopyLayout::Column, CopyLayout::Sum, CopyLayout::Row,  "i"},
    {"NumPy",     "NumPy",         -1,  false, "np.array([",        "])",
              "[", "]",        ", ",  ", ",     CopyLayout::Flat,   CopyLayout::Sum, CopyLayout::Flat, "j"},
    {"PlainText", "",              821, true,  "",                  "",
              "",  "",         "\t",  "\n",     CopyLayout::Column, CopyLayout::Row, CopyLayout::Row,  ""},
};
// clang-format on

using Rows = std::vector<std::vector<Extended>>;

std::string ArrayText(const Rows& rows, const CopyForm& form, bool rowBrackets) {
    std::string text = form.open;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (r > 0) text += form.rowSeparator;
        if (rowBrackets) text += form.rowOpen;
        for (std::size_t p = 0; p < rows[r].size(); ++p) {
            if (p > 0) text += form.partSeparator;
            text += CopyNumber(rows[r][p], form);
        }
        if (rowBrackets) text += form.rowClose;
    }
    return text + form.close;
}

// "3 - 4i", "1 + 2i + 3j + 4k": a negative part takes the minus in place of the plus, a zero part stays.
std::string SumText(const std::vector<Extended>& parts, const CopyForm& form) {
    static const char* const QuaternionUnits[3] = {"i", "j", "k"};
    std::string text = CopyNumber(parts[0], form);
    for (std::size_t p = 1; p < parts.size(); ++p) {
        const Extended x = parts[p];
        text += x < 0 ? " - " : " + ";
        text += CopyNumber(std::fabs(x), form);
        text += parts.size() == 2 ? form.complexUnit : QuaternionUnits[p - 1];
    }
    return text;
}

} // namespace

CopyValue CopyOf(const TMatrix& m) {
    return {CopyKind::Matrix, std::vector<Extended>(std::begin(m.e), std::end(m.e))};
}

CopyValue CopyOf(TVektor v) {
    return {CopyKind::Vector, {v.x, v.y, v.z}};
}

CopyValue CopyOf(TComplex z) {
    return {CopyKind::Complex, {z.Re, z.Im}};
}

CopyValue CopyOf(TQuat q) {
    return {CopyKind::Quaternion, {q.Re, q.i, q.j, q.k}};
}

std::span<const CopyForm> CopyForms() {
    return Forms;
}

std::string CopyNumber(Extended x, const CopyForm& form) {
    if (form.shownNumbers) return FormatNumber(x);
    const int precision = Precision < 2 ? 2 : Precision > 18 ? 18 : Precision;
    std::string text = FormatGeneral(x, precision, '.');
    for (char& c : text)
        if (c == 'E') c = 'e';
    return text;
}

std::string CopyText(const CopyValue& value, const CopyForm& form) {
    const std::vector<Extended>& parts = value.parts;
    if (parts.empty()) return {};
    CopyLayout layout = CopyLayout::Row;
    switch (value.kind) {
    case CopyKind::Matrix: {
        Rows rows;
        for (std::size_t start = 0; start < parts.size(); start += 3)
            rows.emplace_back(parts.begin() + static_cast<std::ptrdiff_t>(start),
                              parts.begin() + static_cast<std::ptrdiff_t>(std::min(start + 3, parts.size())));
        return ArrayText(rows, form, true);
    }
    case CopyKind::Vector:
        layout = form.vector;
        break;
    case CopyKind::Complex:
        layout = form.complex;
        break;
    case CopyKind::Quaternion:
        layout = form.quaternion;
        break;
    }
    switch (layout) {
    case CopyLayout::Column: {
        Rows rows;
        for (Extended x : parts)
            rows.push_back({x});
        return ArrayText(rows, form, true);
    }
    case CopyLayout::Row:
        return ArrayText({parts}, form, true);
    case CopyLayout::Flat:
        return ArrayText({parts}, form, false);
    case CopyLayout::Sum:
        return SumText(parts, form);
    }
    return {};
}

} // namespace quillon
