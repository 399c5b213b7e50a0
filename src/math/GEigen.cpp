#include "math/GEigen.h"

#include "core/FloatError.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace quillon {
namespace {

// Row-major, indices 0..2, for the working copies.
struct M3 {
    Extended a[3][3];
};

constexpr Extended Eps = LDBL_EPSILON; // 2^-63

M3 FromMatrix(const TMatrix& A) {
    M3 m;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            m.a[i][j] = A.e[3 * i + j];
    return m;
}

M3 Mul(const M3& x, const M3& y) {
    M3 r;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) {
            Extended s = 0;
            for (int k = 0; k < 3; ++k)
                s += x.a[i][k] * y.a[k][j];
            r.a[i][j] = s;
        }
    return r;
}

M3 Shifted(const M3& x, Extended mu) {
    M3 r = x;
    for (int i = 0; i < 3; ++i)
        r.a[i][i] -= mu;
    return r;
}

Extended Norm(const M3& x) {
    Extended s = 0;
    for (const auto& row : x.a)
        for (Extended v : row)
            s += v * v;
    return std::sqrt(s);
}

// num / den as a distance estimate: a vanishing denominator means the numerator vanishes too.
Extended Ratio(Extended num, Extended den) {
    return den > 0 ? num / den : 0;
}

// B = D^-1 A D with D = diag(2^e[i]): row and column i of about the same size, so that a badly scaled
// matrix has well-scaled rows for the QR steps and the tolerance. Powers of two keep it exact.
void Balance(M3& m, int (&e)[3]) {
    e[0] = e[1] = e[2] = 0;
    for (int pass = 0; pass < 100; ++pass) {
        bool changed = false;
        for (int i = 0; i < 3; ++i) {
            Extended c = 0, r = 0;
            for (int j = 0; j < 3; ++j)
                if (j != i) {
                    c += std::fabs(m.a[j][i]);
                    r += std::fabs(m.a[i][j]);
                }
            if (c == 0 || r == 0) continue;
            const int k = (std::ilogb(r) - std::ilogb(c)) / 2;
            if (k == 0) continue;
            const Extended f = std::ldexp(1.0L, k);
            if (c * f + r / f >= 0.95L * (c + r)) continue;
            for (int j = 0; j < 3; ++j) {
                m.a[j][i] = std::ldexp(m.a[j][i], k);
                m.a[i][j] = std::ldexp(m.a[i][j], -k);
            }
            e[i] += k;
            changed = true;
        }
        if (!changed) break;
    }
}

// The rotation in the plane of indices p, q (rows and columns) that zeroes h[q][col] against h[p][col].
void GivensSimilarity(M3& h, int p, int q, int col) {
    const Extended x = h.a[p][col], y = h.a[q][col];
    if (y == 0) return;
    const Extended r = std::hypot(x, y);
    const Extended c = x / r, s = y / r;
    for (int j = 0; j < 3; ++j) {
        const Extended u = h.a[p][j], v = h.a[q][j];
        h.a[p][j] = c * u + s * v;
        h.a[q][j] = -s * u + c * v;
    }
    for (int i = 0; i < 3; ++i) {
        const Extended u = h.a[i][p], v = h.a[i][q];
        h.a[i][p] = c * u + s * v;
        h.a[i][q] = -s * u + c * v;
    }
    h.a[q][col] = 0;
}

struct Values {
    Extended wr[3], wi[3];
};

// Eigenvalues of the 2x2 block at rows and columns k, k+1, without cancellation in the real case.
void Block(const M3& h, int k, Values& out) {
    const Extended a = h.a[k][k], b = h.a[k][k + 1], c = h.a[k + 1][k], d = h.a[k + 1][k + 1];
    const Extended p = (a - d) / 2, q = p * p + b * c;
    if (q >= 0) {
        const Extended z = p + std::copysign(std::sqrt(q), p);
        out.wr[k] = d + z;
        out.wr[k + 1] = z != 0 ? d - b * c / z : d;
        out.wi[k] = out.wi[k + 1] = 0;
    } else {
        out.wr[k] = out.wr[k + 1] = d + p;
        out.wi[k] = std::sqrt(-q);
        out.wi[k + 1] = -out.wi[k];
    }
}

// Francis double-shift QR on the Hessenberg matrix h until it splits into 1x1 and 2x2 blocks.
Values HessenbergEigenvalues(M3 h) {
    Values out{};
    const Extended norm = Norm(h);
    int hi = 2;
    int iterations = 0;
    while (hi >= 0) {
        int lo = hi;
        for (; lo > 0; --lo) {
            Extended s = std::fabs(h.a[lo - 1][lo - 1]) + std::fabs(h.a[lo][lo]);
            if (s == 0) s = norm;
            // Past the last step the subdiagonal counts as zero, so the loop always ends.
            if (std::fabs(h.a[lo][lo - 1]) <= Eps * s || iterations >= 200) {
                h.a[lo][lo - 1] = 0;
                break;
            }
        }
        if (lo == hi) {
            out.wr[hi] = h.a[hi][hi];
            out.wi[hi] = 0;
            hi -= 1;
            continue;
        }
        if (lo == hi - 1) {
            Block(h, lo, out);
            hi -= 2;
            continue;
        }
        // Unreduced 3x3: one implicit double-shift step with the eigenvalues of the trailing block,
        // now and then an exceptional shift that breaks a cycle.
        ++iterations;
        Extended s = h.a[1][1] + h.a[2][2];
        Extended t = h.a[1][1] * h.a[2][2] - h.a[1][2] * h.a[2][1];
        if (iterations % 10 == 0) {
            const Extended w = std::fabs(h.a[2][1]) + std::fabs(h.a[1][0]);
            s = 1.5L * w;
            t = w * w;
        }
        Extended x = h.a[0][0] * h.a[0][0] + h.a[0][1] * h.a[1][0] - s * h.a[0][0] + t;
        Extended y = h.a[1][0] * (h.a[0][0] + h.a[1][1] - s);
        Extended z = h.a[1][0] * h.a[2][1];
        const Extended scale = std::fabs(x) + std::fabs(y) + std::fabs(z);
        if (scale == 0) continue; // the exceptional shift comes next
        x /= scale;
        y /= scale;
        z /= scale;
        const Extended alpha = -std::copysign(std::sqrt(x * x + y * y + z * z), x);
        const Extended v[3] = {x - alpha, y, z};
        const Extended vv = v[0] * v[0] + v[1] * v[1] + v[2] * v[2];
        // P = I - 2 v v^T / (v^T v) from both sides.
        for (int j = 0; j < 3; ++j) {
            const Extended f = 2 * (v[0] * h.a[0][j] + v[1] * h.a[1][j] + v[2] * h.a[2][j]) / vv;
            for (int i = 0; i < 3; ++i)
                h.a[i][j] -= f * v[i];
        }
        for (int i = 0; i < 3; ++i) {
            const Extended f = 2 * (h.a[i][0] * v[0] + h.a[i][1] * v[1] + h.a[i][2] * v[2]) / vv;
            for (int j = 0; j < 3; ++j)
                h.a[i][j] -= f * v[j];
        }
        GivensSimilarity(h, 1, 2, 0);
    }
    return out;
}

// An orthonormal basis of the null space of m, as columns start..2 of Q in m^T P = Q R; returns how
// many vectors (rank clamped to [3 - multiplicity, 2]).
int NullSpace(const M3& m, int multiplicity, Extended tol, TVektor (&basis)[3]) {
    M3 r; // m transposed: its columns are the rows of m
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            r.a[i][j] = m.a[j][i];
    M3 q{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
    Extended pivots[3] = {0, 0, 0};
    for (int k = 0; k < 3; ++k) {
        int best = k;
        Extended bestNorm = -1;
        for (int j = k; j < 3; ++j) {
            Extended s = 0;
            for (int i = k; i < 3; ++i)
                s += r.a[i][j] * r.a[i][j];
            if (s > bestNorm) {
                bestNorm = s;
                best = j;
            }
        }
        for (int i = 0; i < 3; ++i)
            std::swap(r.a[i][k], r.a[i][best]);
        pivots[k] = std::sqrt(bestNorm);
        if (k == 2 || pivots[k] == 0) continue;
        // Reflector on rows k..2 that maps column k onto its first entry.
        Extended v[3] = {0, 0, 0};
        const Extended alpha = -std::copysign(pivots[k], r.a[k][k]);
        for (int i = k; i < 3; ++i)
            v[i] = r.a[i][k];
        v[k] -= alpha;
        Extended vv = 0;
        for (int i = k; i < 3; ++i)
            vv += v[i] * v[i];
        if (vv == 0) continue;
        for (int j = k; j < 3; ++j) {
            Extended f = 0;
            for (int i = k; i < 3; ++i)
                f += v[i] * r.a[i][j];
            f = 2 * f / vv;
            for (int i = k; i < 3; ++i)
                r.a[i][j] -= f * v[i];
        }
        for (int i = 0; i < 3; ++i) { // Q := Q H
            Extended f = 0;
            for (int j = k; j < 3; ++j)
                f += q.a[i][j] * v[j];
            f = 2 * f / vv;
            for (int j = k; j < 3; ++j)
                q.a[i][j] -= f * v[j];
        }
    }
    int rank = 0;
    while (rank < 3 && pivots[rank] > tol)
        ++rank;
    rank = std::clamp(rank, 3 - multiplicity, 2);
    if (rank == 0) {
        basis[0] = {1, 0, 0};
        basis[1] = {0, 1, 0};
        basis[2] = {0, 0, 1};
        return 3;
    }
    for (int n = rank; n < 3; ++n)
        basis[n - rank] = {q.a[0][n], q.a[1][n], q.a[2][n]};
    return 3 - rank;
}

Extended Dot(const TVektor& a, const TVektor& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

TVektor Cross(const TVektor& a, const TVektor& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

TVektor Scaled(const TVektor& v, Extended f) {
    return {v.x * f, v.y * f, v.z * f};
}

// Length 1 without overflow or underflow on the way (the components may differ by huge powers of two).
TVektor Normalized(TVektor v) {
    const Extended big = std::max({std::fabs(v.x), std::fabs(v.y), std::fabs(v.z)});
    if (big == 0) return v;
    const int e = std::ilogb(big);
    v = {std::ldexp(v.x, -e), std::ldexp(v.y, -e), std::ldexp(v.z, -e)};
    return Scaled(v, 1 / std::sqrt(Dot(v, v)));
}

// Tiny components to 0 and the first remaining one positive.
TVektor Tidy(TVektor v) {
    Extended* c[3] = {&v.x, &v.y, &v.z};
    for (Extended* p : c)
        if (std::fabs(*p) < EigenTolerance) *p = 0;
    for (Extended* p : c) {
        if (*p == 0) continue;
        if (*p < 0)
            for (Extended* s : c)
                *s = *s == 0 ? 0 : -*s;
        break;
    }
    return v;
}

// The vector of the balanced matrix's eigenspace in the matrix's own coordinates: v = D u.
TVektor Unbalanced(const TVektor& u, const int (&e)[3]) {
    const int top = std::max({e[0], e[1], e[2]});
    return Normalized(
        {std::ldexp(u.x, e[0] - top), std::ldexp(u.y, e[1] - top), std::ldexp(u.z, e[2] - top)});
}

void EigenSpace(const M3& b, const int (&e)[3], Extended tol, TEigenSpace& space) {
    TVektor u[3];
    space.dimension = NullSpace(Shifted(b, space.value), space.multiplicity, tol, u);
    if (space.dimension == 3) {
        for (int n = 0; n < 3; ++n)
            space.basis[n] = u[n];
        return;
    }
    const TVektor first = Unbalanced(u[0], e);
    if (space.dimension == 1) {
        space.basis[0] = Tidy(first);
        return;
    }
    // A plane: its unit normal, then the basis that starts from the unit vector closest to the plane,
    // so that a plane of two axes gets those axes.
    TVektor second = Unbalanced(u[1], e);
    second = Normalized({second.x - Dot(first, second) * first.x, second.y - Dot(first, second) * first.y,
                         second.z - Dot(first, second) * first.z});
    const TVektor n = Normalized(Cross(first, second));
    const Extended size[3] = {std::fabs(n.x), std::fabs(n.y), std::fabs(n.z)};
    const int k = static_cast<int>(std::min_element(size, size + 3) - size);
    TVektor axis{k == 0 ? 1.0L : 0.0L, k == 1 ? 1.0L : 0.0L, k == 2 ? 1.0L : 0.0L};
    const Extended nk = k == 0 ? n.x : k == 1 ? n.y : n.z;
    const TVektor f = Normalized({axis.x - nk * n.x, axis.y - nk * n.y, axis.z - nk * n.z});
    space.basis[0] = Tidy(f);
    space.basis[1] = Tidy(Normalized(Cross(n, f)));
}

bool Finite(const TMatrix& A) {
    for (Extended v : A.e)
        if (!std::isfinite(v)) return false;
    return true;
}

TEigen Analyse(const TMatrix& A) {
    TEigen result;
    if (!Finite(A)) return result;
    result.defined = true;

    Extended largest = 0;
    for (Extended v : A.e)
        largest = std::max(largest, std::fabs(v));
    if (largest == 0) {
        result.realCount = 3;
        result.spaceCount = 1;
        TEigenSpace& space = result.spaces[0];
        space.multiplicity = space.dimension = 3;
        space.basis[0] = {1, 0, 0};
        space.basis[1] = {0, 1, 0};
        space.basis[2] = {0, 0, 1};
        return result;
    }
    const int scale = std::ilogb(largest);
    M3 b = FromMatrix(A);
    for (auto& row : b.a)
        for (Extended& v : row)
            v = std::ldexp(v, -scale);
    int e[3];
    Balance(b, e);
    const Extended tol = EigenTolerance * Norm(b);

    M3 h = b;
    GivensSimilarity(h, 1, 2, 0);
    const Values w = HessenbergEigenvalues(h);

    // The real eigenvalues (values of the balanced matrix) with their multiplicities.
    Extended values[3];
    int multiplicity[3];
    int distinct = 0;
    const Extended trace = b.a[0][0] + b.a[1][1] + b.a[2][2];

    const auto triple = [&] {
        const M3 n = Shifted(b, trace / 3);
        const M3 n2 = Mul(n, n);
        const Extended d1 = Norm(n), d2 = Norm(n2), d3 = Norm(Mul(n2, n));
        return std::min({d1, Ratio(d2, d1), Ratio(d3, d2)}) <= tol;
    };
    const auto doubled = [&](Extended mu, Extended nu) {
        const M3 k = Shifted(b, nu);
        const M3 nk = Mul(Shifted(b, mu), k);
        const Extended dk = Norm(k), d1 = Norm(nk), d2 = Norm(Mul(Shifted(b, mu), nk));
        return std::min(Ratio(d1, dk), Ratio(d2, d1)) <= tol;
    };

    int complexAt = -1;
    for (int i = 0; i < 3; ++i)
        if (w.wi[i] != 0) complexAt = i;
    if (triple()) {
        values[0] = trace / 3;
        multiplicity[0] = 3;
        distinct = 1;
    } else if (complexAt >= 0) {
        int real = 0;
        while (w.wi[real] != 0)
            ++real;
        const Extended mu = w.wr[complexAt], nu = w.wr[real];
        const Extended im = std::fabs(w.wi[complexAt]);
        if (im <= tol || doubled(mu, nu)) {
            values[0] = mu;
            multiplicity[0] = 2;
            values[1] = nu;
            multiplicity[1] = 1;
            distinct = 2;
        } else {
            values[0] = nu;
            multiplicity[0] = 1;
            distinct = 1;
            result.re = std::fabs(mu) < tol ? 0 : std::ldexp(mu, scale);
            result.im = std::ldexp(im, scale);
        }
    } else {
        Extended r[3] = {w.wr[0], w.wr[1], w.wr[2]};
        std::sort(r, r + 3, [](Extended x, Extended y) { return x > y; });
        // The closer of the two neighbouring pairs is the candidate for a double eigenvalue.
        const int pair = r[0] - r[1] <= r[1] - r[2] ? 0 : 1;
        const Extended mu = (r[pair] + r[pair + 1]) / 2, nu = r[pair == 0 ? 2 : 0];
        if (doubled(mu, nu)) {
            values[0] = mu;
            multiplicity[0] = 2;
            values[1] = nu;
            multiplicity[1] = 1;
            distinct = 2;
        } else {
            for (int i = 0; i < 3; ++i) {
                values[i] = r[i];
                multiplicity[i] = 1;
            }
            distinct = 3;
        }
    }

    for (int i = 0; i < distinct; ++i)
        if (std::fabs(values[i]) < tol) values[i] = 0;
    // Descending, as the report lists them.
    for (int i = 0; i < distinct; ++i)
        for (int j = i + 1; j < distinct; ++j)
            if (values[j] > values[i]) {
                std::swap(values[i], values[j]);
                std::swap(multiplicity[i], multiplicity[j]);
            }

    // Back to the scale of A; an eigenvalue that does not fit leaves the eigenvalues undefined.
    const Extended limit = std::ldexp(LDBL_MAX, -scale);
    const auto fits = [limit](Extended v) { return std::fabs(v) <= limit; };
    if (!fits(result.re) || !fits(result.im)) return TEigen{};
    result.spaceCount = distinct;
    for (int i = 0; i < distinct; ++i) {
        if (!fits(values[i])) return TEigen{};
        TEigenSpace& space = result.spaces[i];
        space.value = values[i];
        space.multiplicity = multiplicity[i];
        EigenSpace(b, e, tol, space);
        space.value = std::ldexp(values[i], scale);
        for (int m = 0; m < multiplicity[i]; ++m)
            result.real[result.realCount++] = space.value;
    }
    return result;
}

} // namespace

TEigen MEigen(TMatrix A) {
    // The analysis raises events on purpose (underflow of tiny parts, comparisons); none may reach
    // the caller's checks.
    const FloatFlagsGuard callersFlags;
    return Analyse(A);
}

} // namespace quillon
