#pragma once

#include <cmath>

namespace kdsp::dsp {

// A single-precision complex number, real part first; arrays of it are
// contiguous pairs of floats.
struct Complex {
    float re = 0.0f;
    float im = 0.0f;

    friend bool operator==(const Complex&, const Complex&) = default;
};

inline constexpr Complex MakeComplex(float re, float im) {
    return Complex{re, im};
}

inline constexpr Complex Add(Complex a, Complex b) {
    return Complex{a.re + b.re, a.im + b.im};
}

inline constexpr Complex Sub(Complex a, Complex b) {
    return Complex{a.re - b.re, a.im - b.im};
}

// Products are formed in double precision and rounded once.
inline constexpr Complex Mul(Complex a, Complex b) {
    const double ar = a.re, ai = a.im, br = b.re, bi = b.im;
    return Complex{static_cast<float>(ar * br - ai * bi), static_cast<float>(ai * br + ar * bi)};
}

inline constexpr Complex Scale(Complex a, double s) {
    return Complex{static_cast<float>(s * a.re), static_cast<float>(s * a.im)};
}

inline float Abs(Complex a) {
    const double re = a.re, im = a.im;
    return static_cast<float>(std::sqrt(re * re + im * im));
}

} // namespace kdsp::dsp
