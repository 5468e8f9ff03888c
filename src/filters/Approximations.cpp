#include "filters/Approximations.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>

namespace vokta {

namespace {

// The elliptic functions and the roots are found in long double; the polynomials of the synthesis are
// kept in double-double (about 32 digits), because taking a ladder of order 15 out of its input impedance
// subtracts nearly equal coefficients again and again: in long double an order-15 ladder with a deep stop
// band strays from its response by a tenth of a dB, in double-double by less than 1e-12 dB.
using Real = long double;
using Cx = std::complex<Real>;
constexpr Real kPi = 3.141592653589793238462643383279502884L;

// ---- Double-double numbers: hi + lo, |lo| ≤ half an ulp of hi -------------------------------------------

struct Wide {
    double hi = 0, lo = 0;
    Wide() = default;
    Wide(double x) : hi(x) {}  // NOLINT: a double is a Wide
    Wide(double h, double l) : hi(h), lo(l) {}
    static Wide Of(Real x) {
        const double h = double(x);
        return {h, double(x - Real(h))};
    }
    Real Long() const { return Real(hi) + Real(lo); }
};

// s + e as hi + lo where |e| ≤ |s| or s is 0.
Wide QuickSum(double s, double e) {
    const double t = s + e;
    return {t, e - (t - s)};
}

Wide operator+(Wide a, Wide b) {
    const double s = a.hi + b.hi, sb = s - a.hi;
    double e = (a.hi - (s - sb)) + (b.hi - sb);
    const double t = a.lo + b.lo, tb = t - a.lo;
    const double f = (a.lo - (t - tb)) + (b.lo - tb);
    e += t;
    const Wide r = QuickSum(s, e);
    return QuickSum(r.hi, r.lo + f);
}
Wide operator-(Wide a) {
    return {-a.hi, -a.lo};
}
Wide operator-(Wide a, Wide b) {
    return a + -b;
}
Wide operator*(Wide a, Wide b) {
    const double p = a.hi * b.hi;
    double e = std::fma(a.hi, b.hi, -p);  // the exact error of the product
    e += a.hi * b.lo + a.lo * b.hi;
    return QuickSum(p, e);
}
Wide operator/(Wide a, Wide b) {
    const double q1 = a.hi / b.hi;
    Wide r = a - b * q1;
    const double q2 = r.hi / b.hi;
    r = r - b * q2;
    const double q3 = r.hi / b.hi;
    return QuickSum(q1, q2) + q3;
}
Wide& operator+=(Wide& a, Wide b) {
    return a = a + b;
}
Wide& operator-=(Wide& a, Wide b) {
    return a = a - b;
}

struct WideC {
    Wide re, im;
};
WideC operator+(WideC a, WideC b) {
    return {a.re + b.re, a.im + b.im};
}
WideC operator-(WideC a, WideC b) {
    return {a.re - b.re, a.im - b.im};
}
WideC operator*(WideC a, WideC b) {
    return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re};
}
WideC operator/(WideC a, WideC b) {
    const Wide d = b.re * b.re + b.im * b.im;
    return {(a.re * b.re + a.im * b.im) / d, (a.im * b.re - a.re * b.im) / d};
}
WideC OfC(Cx z) {
    return {Wide::Of(z.real()), Wide::Of(z.imag())};
}
Cx LongC(WideC z) {
    return {z.re.Long(), z.im.Long()};
}

// The root of x in the left half-plane (the negative root of a positive x).
WideC LeftRoot(WideC x) {
    WideC p = OfC(-std::sqrt(LongC(x)));
    for (int i = 0; i < 2; ++i) {
        const WideC q = x / p;
        p = {(p.re + q.re) * 0.5, (p.im + q.im) * 0.5};
    }
    return p;
}

// ---- Polynomials, lowest power first ---------------------------------------------------------------------

using Poly = std::vector<Wide>;

Poly operator*(const Poly& a, const Poly& b) {
    Poly r(a.size() + b.size() - 1);
    for (size_t i = 0; i < a.size(); ++i)
        for (size_t j = 0; j < b.size(); ++j) r[i + j] += a[i] * b[j];
    return r;
}

// The part of p of the given parity (0 even, 1 odd).
Poly Part(const Poly& p, int parity) {
    Poly r(p.size());
    for (size_t i = size_t(parity); i < p.size(); i += 2) r[i] = p[i];
    while (r.size() > 1 && r.back().hi == 0) r.pop_back();
    return r;
}

// A polynomial of one parity at s = jω, divided by jω when odd: Σ p[2m + parity]·(-ω²)^m, real.
Wide ParityValue(const Poly& p, Wide w2, int parity) {
    Wide r;
    const Wide x = -w2;
    const size_t top = p.size() - 1 - (p.size() - 1 - size_t(parity)) % 2;
    for (size_t i = top + 2; i >= size_t(parity) + 2; i -= 2) r = r * x + p[i - 2];
    return r;
}

// p / (s² + w2): the quotient (the remainder is left out: the callers divide where it vanishes).
Poly DivideByQuadratic(const Poly& p, Wide w2) {
    Poly t = p, q(p.size() - 2);
    for (size_t i = p.size() - 1; i >= 2; --i) {
        q[i - 2] = t[i];
        t[i - 2] -= w2 * t[i];
    }
    return q;
}

// ---- Roots -----------------------------------------------------------------------------------------------

// All roots of a polynomial (real coefficients, lowest power first, the highest not 0) by the simultaneous
// iteration of Aberth and Ehrlich.
std::vector<Cx> Roots(const std::vector<Real>& p) {
    const int n = int(p.size()) - 1;
    std::vector<Cx> z(static_cast<size_t>(std::max(n, 0)));
    if (n < 1) return z;
    const Real radius = std::pow(std::abs(p[0] / p[n]), Real(1) / n);
    for (int k = 0; k < n; ++k) z[k] = std::polar(radius, 2 * kPi * k / n + Real(0.4));
    for (int iteration = 0; iteration < 500; ++iteration) {
        Real largest = 0;
        for (int k = 0; k < n; ++k) {
            Cx value = p[n], slope = 0;
            for (int i = n - 1; i >= 0; --i) {
                slope = slope * z[k] + value;
                value = value * z[k] + p[i];
            }
            if (value == Cx(0)) continue;
            const Cx ratio = value / slope;
            Cx sum = 0;
            for (int j = 0; j < n; ++j)
                if (j != k) sum += Real(1) / (z[k] - z[j]);
            const Cx step = ratio / (Real(1) - ratio * sum);
            z[k] -= step;
            largest = std::max(largest, std::abs(step) / std::max(std::abs(z[k]), Real(1e-300)));
        }
        if (largest < 1e-17L) break;
    }
    return z;
}

// A root of p (double-double coefficients) polished by Newton's method in double-double.
WideC Polish(const Poly& p, WideC z) {
    for (int iteration = 0; iteration < 3; ++iteration) {
        WideC value{p.back(), 0}, slope{0, 0};
        for (size_t i = p.size() - 1; i-- > 0;) {
            slope = slope * z + value;
            value = value * z + WideC{p[i], 0};
        }
        if (slope.re.hi == 0 && slope.im.hi == 0) break;
        z = z - value / slope;
    }
    return z;
}

// The monic polynomial of the given left-half-plane roots, closed under conjugation: a complex root and
// its conjugate (taken once, by its upper one) as s² - 2·Re·s + |p|², a real root as s - p.
Poly FromRoots(const std::vector<WideC>& roots) {
    Poly r{1};
    for (const WideC& p : roots) {
        const Real scale = std::abs(LongC(p));
        if (std::abs(p.im.hi) <= 1e-12 * double(scale))
            r = r * Poly{-p.re, 1};
        else if (p.im.hi > 0)
            r = r * Poly{p.re * p.re + p.im * p.im, p.re * -2.0, 1};
    }
    return r;
}

// ---- The ladder from the input impedance -----------------------------------------------------------------

struct Extracted {
    std::vector<Wide> g, trap;
};

// The ladder of order n whose input admittance, with the output open, is num / den (num of the parity of n
// with a pole at infinity, den of the other): at each attenuation pole w in turn, a shunt capacitor takes
// as much of the admittance as leaves it a zero at w, and the series trap takes the impedance's pole there;
// the rest comes off at infinity, a shunt capacitor, a series inductor, and so on. Nothing when an element
// comes out not positive.
std::optional<Extracted> Extract(Poly num, Poly den, const std::vector<Wide>& poles, int n) {
    Extracted out;
    auto positive = [](Wide x) { return x.hi > 0 && std::isfinite(x.hi); };
    for (Wide w2 : poles) {
        if (num.size() < 4 || den.size() < 3) return std::nullopt;
        // Y(jω) / (jω) at the pole: the capacitance that leaves Y - s·C a zero there.
        const Wide c = ParityValue(num, w2, 1) / ParityValue(den, w2, 0);
        Poly reduced = num;
        for (size_t i = 0; i < den.size(); ++i) reduced[i + 1] -= c * den[i];
        const Poly q = DivideByQuadratic(reduced, w2);
        // Z = den / ((s² + w2)·q) has the pole k·s / (s² + w2) there: a capacitor 1/k across an inductor
        // k/w2.
        const Wide k = -ParityValue(den, w2, 0) / (w2 * ParityValue(q, w2, 1));
        Poly rest = den;
        for (size_t i = 0; i < q.size(); ++i) rest[i + 1] -= k * q[i];
        const Poly r = DivideByQuadratic(rest, w2);
        if (!positive(c) || !positive(k)) return std::nullopt;
        out.g.insert(out.g.end(), {c, k / w2});
        out.trap.insert(out.trap.end(), {Wide(0), Wide(1) / k});
        num = q;
        den = r;
    }
    while (int(out.g.size()) < n) {
        if (num.size() != den.size() + 1) return std::nullopt;
        const Wide g = num.back() / den.back();
        if (!positive(g)) return std::nullopt;
        out.g.push_back(g);
        out.trap.push_back(0);
        // num - g·s·den loses its top power, and the one under it is of the other parity.
        Poly next = num;
        for (size_t i = 0; i < den.size(); ++i) next[i + 1] -= g * den[i];
        next.resize(num.size() >= 2 ? num.size() - 2 : 0);
        if (next.empty() && int(out.g.size()) < n) return std::nullopt;
        num = std::move(den);
        den = std::move(next);
    }
    return out;
}

// The ladder's |S21|² at Ω, between 1 Ω terminations.
Real LadderPower(const std::vector<Real>& g, const std::vector<Real>& trap, Real w) {
    Cx a = 1, b = 0, c = 0, d = 1;
    for (size_t i = 0; i < g.size(); ++i) {
        if (i % 2 == 0) {
            const Cx y(0, w * g[i]);
            a += b * y;
            c += d * y;
        } else {
            const Cx y(0, w * trap[i] - 1 / (w * g[i]));
            const Cx z = Real(1) / y;
            b += a * z;
            d += c * z;
        }
    }
    return 4 / std::norm(a + b + c + d);
}

// ---- Jacobi elliptic functions by Landen's transformation ------------------------------------------------

// The descending moduli k1, k2, ... of k (given with its complement k', which a k near 1 needs exactly).
std::vector<Real> Landen(Real k, Real kc) {
    std::vector<Real> v;
    for (int i = 0; i < 24 && k > 1e-24L; ++i) {
        k = k / (1 + kc);
        k *= k;
        kc = std::sqrt((1 - k) * (1 + k));
        v.push_back(k);
    }
    return v;
}

// The complete elliptic integral K of the modulus with those descending moduli.
Real CompleteK(const std::vector<Real>& v) {
    Real k = kPi / 2;
    for (Real x : v) k *= 1 + x;
    return k;
}

// cd(u·K, k) and sn(u·K, k), u complex.
Cx Cd(Cx u, const std::vector<Real>& v) {
    Cx w = std::cos(u * (kPi / 2));
    for (size_t i = v.size(); i-- > 0;) w = (1 + v[i]) * w / (Real(1) + v[i] * w * w);
    return w;
}
Cx Sn(Cx u, const std::vector<Real>& v) {
    Cx w = std::sin(u * (kPi / 2));
    for (size_t i = v.size(); i-- > 0;) w = (1 + v[i]) * w / (Real(1) + v[i] * w * w);
    return w;
}

// The u with sn(u·K, k) = w (ascending Landen transformation).
Cx InverseSn(Cx w, Real k, const std::vector<Real>& v) {
    Real previous = k;
    for (Real x : v) {
        w = Real(2) * w / ((1 + x) * (Real(1) + std::sqrt(Real(1) - previous * previous * w * w)));
        previous = x;
    }
    return Real(1) - std::acos(w) * (2 / kPi);
}

Real PowerExcess(Real db) {
    return std::expm1(db * std::log(Real(10)) / 10);
}

Real ComplementOf(Real k) {
    return std::sqrt((1 - k) * (1 + k));
}

// The modulus k1 of order n and modulus k: k^n·Π sn^4((2i - 1)·K/n), i = 1..(n - 1)/2.
Real DegreeModulus(int n, Real k, const std::vector<Real>& landen) {
    Real k1 = std::pow(k, Real(n));
    for (int i = 1; i <= (n - 1) / 2; ++i) {
        const Real s = Sn(Real(2 * i - 1) / n, landen).real();
        k1 *= s * s * s * s;
    }
    return k1;
}

}  // namespace

// ---- Elliptic
// -----------------------------------------------------------------------------------------------

double EllipticDegree(double amin, double astop, double xi) {
    const Real k = 1 / Real(xi), kc = std::sqrt((Real(xi) - 1) * (Real(xi) + 1)) / Real(xi);
    const Real k1 = std::sqrt(PowerExcess(amin) / PowerExcess(astop)), k1c = ComplementOf(k1);
    const Real ratio = CompleteK(Landen(k, kc)) * CompleteK(Landen(k1c, k1)) /
                       (CompleteK(Landen(kc, k)) * CompleteK(Landen(k1, k1c)));
    return double(ratio);
}

double EllipticStopFactor(int n, double xi) {
    const Real k = 1 / Real(xi), kc = std::sqrt((Real(xi) - 1) * (Real(xi) + 1)) / Real(xi);
    return double(1 / DegreeModulus(n, k, Landen(k, kc)));
}

std::optional<EllipticLadder> EllipticLowPass(int n, double amin, double xi) {
    if (n < 1 || n > 15 || n % 2 == 0 || !(amin > 0) || !(xi > 1))
        throw std::invalid_argument("elliptic order");
    const int pairs = (n - 1) / 2;
    const Real k = 1 / Real(xi), kc = std::sqrt((Real(xi) - 1) * (Real(xi) + 1)) / Real(xi);
    const std::vector<Real> landen = Landen(k, kc);
    const Real epsilon = std::sqrt(PowerExcess(amin));
    const Real k1 = DegreeModulus(n, k, landen);
    const std::vector<Real> landen1 = Landen(k1, ComplementOf(k1));
    const Real v0 = (InverseSn(Cx(0, 1 / epsilon), k1, landen1) * Cx(0, -1) / Real(n)).real();

    EllipticLadder ladder;
    ladder.n = n;
    ladder.epsilon = double(epsilon);
    ladder.xi = xi;
    ladder.stopFactor = double(1 / k1);
    // The zeros of R_n, cd((2i - 1)·K/n), its poles 1/(k·zero), and the response's poles j·cd((2i - 1)/n -
    // j·v0) with the real one j·sn(j·v0) for the odd order.
    std::vector<Wide> zero2, pole2;  // squared, as every polynomial below takes them
    std::vector<Real> poles;
    std::vector<Cx> roots;
    for (int i = 1; i <= pairs; ++i) {
        const Real u = Real(2 * i - 1) / n;
        const Real zeta = Cd(u, landen).real();
        ladder.reflectionZeros.push_back(double(zeta));
        poles.push_back(1 / (k * zeta));
        zero2.push_back(Wide::Of(zeta) * Wide::Of(zeta));
        pole2.push_back(Wide::Of(poles.back()) * Wide::Of(poles.back()));
        roots.push_back(Cx(0, 1) * Cd(Cx(u, -v0), landen));
    }
    roots.push_back(Cx(0, 1) * Sn(Cx(0, v0), landen));

    // |E|² = |F|² + |P|² on the jω axis with F = -s·Π(s² + ζ²) and P = c·Π(s² + Ωp²), c = |R_n(1)|/ε for
    // R_n scaled to 1 at Ω = 1. The response's poles are the left roots of E(s)·E(-s), a polynomial in x =
    // s²: Q(x) = -x·A(x)² + c²·B(x)², A = Π(x + ζ²), B = Π(x + Ωp²). Polished on Q in double-double, they
    // make E agree with F and P to its last digits, which the ladder needs.
    Wide r1 = 1;
    for (int i = 0; i < pairs; ++i) r1 = r1 * (Wide(1) - zero2[i]) / (pole2[i] - Wide(1));
    const Wide c2 = r1 * r1 / (Wide::Of(epsilon) * Wide::Of(epsilon));
    auto polishPole = [&](Cx root) {
        WideC x = OfC(root * root);
        for (int iteration = 0; iteration < 3; ++iteration) {
            WideC a{1, 0}, b{1, 0}, sa{0, 0}, sb{0, 0};
            for (int i = 0; i < pairs; ++i) {
                const WideC ta{x.re + zero2[i], x.im}, tb{x.re + pole2[i], x.im};
                a = a * ta, b = b * tb;
                sa = sa + WideC{1, 0} / ta, sb = sb + WideC{1, 0} / tb;
            }
            const WideC a2 = a * a, b2 = b * b, c{c2, 0};
            const WideC q = c * b2 - x * a2;
            const WideC slope =
                WideC{Wide(2) * c2, 0} * b2 * sb - a2 - WideC{x.re * 2.0, x.im * 2.0} * a2 * sa;
            x = x - q / slope;
        }
        return LeftRoot(x);
    };
    std::vector<WideC> polished;
    for (const Cx& root : roots) polished.push_back(polishPole(root));
    const Poly e = FromRoots(polished);
    Poly f{0, -1};
    for (int i = 0; i < pairs; ++i) f = f * Poly{zero2[i], 0, 1};
    Poly sum(e.size()), difference(e.size());
    for (size_t i = 0; i < e.size(); ++i) sum[i] = e[i] + f[i], difference[i] = e[i] - f[i];
    const Poly num = Part(difference, 1), den = Part(sum, 0);

    // The attenuation the ladder must have, to check each try against.
    auto target = [&](Real w) {
        Real r = w, at1 = 1;
        for (int i = 0; i < pairs; ++i) {
            const Real z2 = zero2[i].Long(), p2 = pole2[i].Long();
            r *= (w * w - z2) / (w * w - p2);
            at1 *= (1 - z2) / (1 - p2);
        }
        r /= at1;
        return 1 / (1 + epsilon * epsilon * r * r);
    };
    // The poles in the order r, then the others from the lowest up, for r = 0, 1, ...: the first trap
    // next to the input must not take the lowest pole where its shunt capacitor would come out negative.
    std::vector<int> ascending(static_cast<size_t>(pairs));
    for (int i = 0; i < pairs; ++i) ascending[i] = i;
    std::sort(ascending.begin(), ascending.end(), [&](int a, int b) { return poles[a] < poles[b]; });
    for (int first = 0; first < std::max(pairs, 1); ++first) {
        std::vector<int> order;
        if (pairs > 0) order.push_back(ascending[first]);
        for (int i = 0; i < pairs; ++i)
            if (i != first) order.push_back(ascending[i]);
        std::vector<Wide> sequence;
        for (int i : order) sequence.push_back(pole2[i]);
        const std::optional<Extracted> extracted = Extract(num, den, sequence, n);
        if (!extracted) continue;
        std::vector<Real> g, trap;
        for (size_t i = 0; i < extracted->g.size(); ++i) {
            g.push_back(extracted->g[i].Long());
            trap.push_back(extracted->trap[i].Long());
        }
        // Checked across the pass band, the transition and the stop band (ξ/100 to 10·ξ), where the
        // response is above 1e-25 (250 dB).
        bool keeps = true;
        const Real step = std::pow(Real(10), Real(1) / 20);
        Real w = Real(xi) / 100;
        for (int i = 0; i < 60 && keeps; ++i, w *= step) {
            const Real want = target(w);
            if (want > 1e-25L) keeps = std::abs(LadderPower(g, trap, w) / want - 1) < 1e-9L;
        }
        if (!keeps) continue;
        for (size_t i = 0; i < g.size(); ++i) {
            ladder.g.push_back(double(g[i]));
            ladder.trap.push_back(double(trap[i]));
        }
        for (int i : order) ladder.attenuationPoles.push_back(double(poles[i]));
        return ladder;
    }
    return std::nullopt;
}

// ---- Bessel
// -------------------------------------------------------------------------------------------------

double BesselAttenuation(int n, double omega) {
    // B_m(s) / B_m(0) by the recurrence, which B_m(0) = (2m - 1)·B_(m-1)(0) turns into
    // r_m = r_(m-1) + s²·r_(m-2) / ((2m - 1)(2m - 3)); at s = jΩ, s² = -Ω² is real, so the real and the
    // imaginary parts each follow it.
    if (n == 0) return 0;
    const double w2 = omega * omega;
    double olderRe = 1, olderIm = 0, re = 1, im = omega;
    for (int m = 2; m <= n; ++m) {
        const double k = w2 / double((2 * m - 1) * (2 * m - 3));
        const double nextRe = re - k * olderRe, nextIm = im - k * olderIm;
        olderRe = re, olderIm = im;
        re = nextRe, im = nextIm;
    }
    return 10 * std::log10(re * re + im * im);
}

double BesselEdge(int n, double db) {
    double lo = std::log(1e-12), hi = std::log(1e12);
    for (int i = 0; i < 200 && hi - lo > 1e-15; ++i) {
        const double mid = (lo + hi) / 2;
        (BesselAttenuation(n, std::exp(mid)) < db ? lo : hi) = mid;
    }
    return std::exp((lo + hi) / 2);
}

namespace {

// The coefficients of B_n, lowest power first, exact (the largest of order 15 is 30!/(2^15·15!) < 2^63).
Poly BesselPolynomial(int n) {
    Poly older{1}, old{1, 1};
    if (n == 0) return older;
    for (int m = 2; m <= n; ++m) {
        Poly next(size_t(m + 1));
        for (size_t i = 0; i < old.size(); ++i) next[i] += old[i] * double(2 * m - 1);
        for (size_t i = 0; i < older.size(); ++i) next[i + 2] += older[i];
        older = std::move(old);
        old = std::move(next);
    }
    return old;
}

// The ladder of order n: E = B_n / B_n(0), |F|² = |E|² - 1 on the jω axis, F(s)·F(-s) = E(s)·E(-s) - 1 with F
// of E's degree and the left roots of that polynomial in x = s², and the ladder taken out of
// (E - F) / (E + F) at infinity.
std::vector<double> SynthesiseBessel(int n) {
    Poly e = BesselPolynomial(n);
    const Wide e0 = e[0];
    for (Wide& c : e) c = c / e0;
    // E(s)·E(-s) - 1 = x·G1(x).
    Poly g1(static_cast<size_t>(n));
    for (int m = 1; m <= n; ++m) {
        Wide sum;
        for (int i = 0; i <= 2 * m; ++i)
            if (i <= n && 2 * m - i <= n) {
                const Wide term = e[i] * e[2 * m - i];
                sum += (2 * m - i) % 2 == 0 ? term : -term;
            }
        g1[m - 1] = sum;
    }
    std::vector<Real> g1Long;
    for (const Wide& c : g1) g1Long.push_back(c.Long());
    std::vector<WideC> roots{WideC{0, 0}};  // F(0) = 0
    for (const Cx& x : Roots(g1Long)) roots.push_back(LeftRoot(Polish(g1, OfC(x))));
    // Monic from the roots, then F's leading coefficient -e_n, so that E + F loses its top power.
    Poly f = FromRoots(roots);
    for (Wide& c : f) c = c * -e.back();
    Poly sum(e.size()), difference(e.size());
    for (size_t i = 0; i < e.size(); ++i) sum[i] = e[i] + f[i], difference[i] = e[i] - f[i];
    const std::optional<Extracted> ladder = Extract(Part(difference, n % 2), Part(sum, 1 - n % 2), {}, n);
    if (!ladder) throw std::logic_error("Bessel ladder");
    std::vector<double> g;
    for (const Wide& x : ladder->g) g.push_back(double(x.Long()));
    return g;
}

}  // namespace

const std::vector<double>& BesselLadderValues(int n) {
    static const std::array<std::vector<double>, 16> ladders = [] {
        std::array<std::vector<double>, 16> all;
        for (int m = 1; m <= 15; ++m) all[m] = SynthesiseBessel(m);
        return all;
    }();
    if (n < 1 || n > 15) throw std::invalid_argument("Bessel order");
    return ladders[size_t(n)];
}

std::vector<std::complex<double>> BesselPoles(int n) {
    static const std::array<std::vector<std::complex<double>>, 16> poles = [] {
        std::array<std::vector<std::complex<double>>, 16> all;
        for (int m = 1; m <= 15; ++m) {
            std::vector<Real> b;
            for (const Wide& c : BesselPolynomial(m)) b.push_back(c.Long());
            for (const Cx& z : Roots(b)) all[m].emplace_back(double(z.real()), double(z.imag()));
        }
        return all;
    }();
    if (n < 1 || n > 15) throw std::invalid_argument("Bessel order");
    return poles[size_t(n)];
}

}  // namespace vokta
