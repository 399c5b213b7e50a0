#include "math/GMatrix.h"

#include "core/FloatError.h"

#include <cfenv>
#include <cmath>

namespace quillon {
namespace {

// The two indices other than i, ascending.
void OtherTwo(int i, int& first, int& second) {
    first = i == 1 ? 2 : 1;
    second = i == 3 ? 2 : 3;
}

} // namespace

TMatrix MAdd(TMatrix A, TMatrix B) {
    return Checked([&] {
        TMatrix C;
        for (int n = 0; n < 9; ++n)
            C.e[n] = A.e[n] + B.e[n];
        return C;
    });
}

TMatrix MSub(TMatrix A, TMatrix B) {
    return Checked([&] {
        TMatrix C;
        for (int n = 0; n < 9; ++n)
            C.e[n] = A.e[n] - B.e[n];
        return C;
    });
}

TMatrix MMul(TMatrix A, TMatrix B) {
    return Checked([&] {
        TMatrix C;
        for (int i = 1; i <= 3; ++i)
            for (int j = 1; j <= 3; ++j) {
                Extended sum = 0;
                for (int m = 1; m <= 3; ++m)
                    sum += A(i, m) * B(m, j);
                C(i, j) = sum;
            }
        return C;
    });
}

TMatrix MScale(TMatrix A, Extended k) {
    return Checked([&] {
        TMatrix C;
        for (int n = 0; n < 9; ++n)
            C.e[n] = k * A.e[n];
        return C;
    });
}

TMatrix MDivScalar(TMatrix A, Extended k) {
    return Checked([&] {
        if (k == 0) return A;
        TMatrix C;
        for (int n = 0; n < 9; ++n)
            C.e[n] = A.e[n] / k;
        return C;
    });
}

TVektor MMulVec(TMatrix A, TVektor v) {
    return Checked([&] {
        TVektor w;
        w.x = A(1, 1) * v.x + A(1, 2) * v.y + A(1, 3) * v.z;
        w.y = A(2, 1) * v.x + A(2, 2) * v.y + A(2, 3) * v.z;
        w.z = A(3, 1) * v.x + A(3, 2) * v.y + A(3, 3) * v.z;
        return w;
    });
}

TMatrix MTranspose(TMatrix A) {
    TMatrix C;
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 3; ++j)
            C(i, j) = A(j, i);
    return C;
}

Extended MDet(TMatrix A) {
    return Checked([&] {
        return A(1, 1) * A(2, 2) * A(3, 3) + A(2, 1) * A(3, 2) * A(1, 3) + A(3, 1) * A(1, 2) * A(2, 3) -
               A(1, 3) * A(2, 2) * A(3, 1) - A(2, 3) * A(3, 2) * A(1, 1) - A(3, 3) * A(1, 2) * A(2, 1);
    });
}

Extended MTrace(TMatrix A) {
    return Checked([&] { return A(1, 1) + A(2, 2) + A(3, 3); });
}

TMatrix2 MMinor(TMatrix A, int i, int j) {
    int r1, r2, c1, c2;
    OtherTwo(i, r1, r2);
    OtherTwo(j, c1, c2);
    return TMatrix2{A(r1, c1), A(r1, c2), A(r2, c1), A(r2, c2)};
}

Extended MDet2(TMatrix2 M) {
    return Checked([&] { return M.m11 * M.m22 - M.m12 * M.m21; });
}

TMatrix MCofactors(TMatrix A) {
    return Checked([&] {
        TMatrix C;
        for (int i = 1; i <= 3; ++i)
            for (int j = 1; j <= 3; ++j)
                C(i, j) = Power(-1.0L, i + j) * MDet2(MMinor(A, i, j));
        return C;
    });
}

TMatrix MInverse(TMatrix A) {
    return Checked([&] {
        const Extended d = MDet(A);
        // Singular: the caller tests the determinant before it calls the result an inverse.
        if (d == 0) return A;
        const Extended r = 1 / d;
        return MScale(MTranspose(MCofactors(A)), r);
    });
}

bool MEqual(TMatrix A, TMatrix B) {
    for (int n = 0; n < 9; ++n)
        if (!(A.e[n] == B.e[n])) return false;
    return true;
}

TVektor MCharPoly(TMatrix A) {
    return Checked([&] {
        TVektor c;
        c.x = MTrace(A);
        c.y = (A(1, 3) * A(3, 1) + A(2, 3) * A(3, 2) + A(1, 2) * A(2, 1)) -
              (A(1, 1) * A(2, 2) + A(2, 2) * A(3, 3) + A(3, 3) * A(1, 1));
        c.z = MDet(A);
        return c;
    });
}

TMatrix MRotation(TVektor axis, Extended alpha) {
    return Checked([&] {
        const TVektor n = VUnit(axis);
        const TMatrix K{{0, -n.z, n.y, n.z, 0, -n.x, -n.y, n.x, 0}};
        const TMatrix S1 = MScale(MMul(K, K), 1 - std::cos(alpha));
        const TMatrix S2 = MScale(K, std::sin(alpha));
        return MAdd(EinheitsMatrix, MAdd(S2, S1));
    });
}

} // namespace quillon
