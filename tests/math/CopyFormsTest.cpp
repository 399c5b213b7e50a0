#include "math/CopyForms.h"

#include "core/NumberSettingsTest.h"

#include <gtest/gtest.h>

#include <string>

namespace quillon {
namespace {

class CopyFormsTest : public test::NumberSettingsTest {};

TEST_F(CopyFormsTest, EveryKindInEveryForm) {
    // The texts in LaTeX, Octave, NumPy and plain text, the order of CopyForms(). The plain text keeps
    // the decimal comma and the "E" of the fields.
    struct Row {
        const char* name;
        CopyValue value;
        const char* forms[4];
    };
    const Row rows[] = {
        {"matrix",
         CopyOf(TMatrix{{1, 2, 3, 4, 5, 6, 7, 8, 9}}),
         {"\\begin{pmatrix} 1 & 2 & 3 \\\\ 4 & 5 & 6 \\\\ 7 & 8 & 9 \\end{pmatrix}", "[1 2 3; 4 5 6; 7 8 9]",
          "np.array([[1, 2, 3], [4, 5, 6], [7, 8, 9]])", "1\t2\t3\n4\t5\t6\n7\t8\t9"}},
        {"vector",
         CopyOf(TVektor{1, 2, 3}),
         {"\\begin{pmatrix} 1 \\\\ 2 \\\\ 3 \\end{pmatrix}", "[1; 2; 3]", "np.array([1, 2, 3])", "1\n2\n3"}},
        {"complex", CopyOf(TComplex{3, 4, 5, 0.9L}), {"3 + 4i", "3 + 4i", "3 + 4j", "3\t4"}},
        {"quaternion",
         CopyOf(TQuat{1, 2, 3, 4}),
         {"1 + 2i + 3j + 4k", "[1 2 3 4]", "np.array([1, 2, 3, 4])", "1\t2\t3\t4"}},
        {"matrix with negative, tiny and huge entries",
         CopyOf(TMatrix{{-1, 1e-30L, 1e300L, 0, -0.000012345L, 2.5L, -1e300L, 123456, 0.5L}}),
         {"\\begin{pmatrix} -1 & 1e-30 & 1e300 \\\\ 0 & -1.2345e-5 & 2.5 \\\\ -1e300 & 1.2346e5 & 0.5 "
          "\\end{pmatrix}",
          "[-1 1e-30 1e300; 0 -1.2345e-5 2.5; -1e300 1.2346e5 0.5]",
          "np.array([[-1, 1e-30, 1e300], [0, -1.2345e-5, 2.5], [-1e300, 1.2346e5, 0.5]])",
          "-1\t1E-30\t1E300\n0\t-1,2345E-5\t2,5\n-1E300\t1,2346E5\t0,5"}},
        {"complex, negative imaginary part",
         CopyOf(TComplex{3, -4, 5, -0.9L}),
         {"3 - 4i", "3 - 4i", "3 - 4j", "3\t-4"}},
        {"complex, zero imaginary part",
         CopyOf(TComplex{-3, 0, 3, Pi}),
         {"-3 + 0i", "-3 + 0i", "-3 + 0j", "-3\t0"}},
        {"quaternion with negative, zero, tiny and huge parts",
         CopyOf(TQuat{-1, -1e-30L, 0, 1e300L}),
         {"-1 - 1e-30i + 0j + 1e300k", "[-1 -1e-30 0 1e300]", "np.array([-1, -1e-30, 0, 1e300])",
          "-1\t-1E-30\t0\t1E300"}},
    };
    const auto forms = CopyForms();
    ASSERT_EQ(forms.size(), 4u);
    for (const Row& row : rows)
        for (std::size_t f = 0; f < forms.size(); ++f) {
            SCOPED_TRACE(std::string(row.name) + " as " + forms[f].id);
            EXPECT_EQ(CopyText(row.value, forms[f]), row.forms[f]);
        }
}

TEST_F(CopyFormsTest, NumbersFollowTheOutputPrecisionClampedAsInTheFields) {
    const auto forms = CopyForms();
    Precision = 3;
    EXPECT_EQ(CopyText(CopyOf(TComplex{Pi, -2.0L / 3, 0, 0}), forms[2]), "3.14 - 0.667j");
    Precision = 0;
    EXPECT_EQ(CopyText(CopyOf(TVektor{Pi, 0, 0}), forms[1]), "[3.1; 0; 0]");
}

} // namespace
} // namespace quillon
