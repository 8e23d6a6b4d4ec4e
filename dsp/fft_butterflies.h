#pragma once

// Forward DFTs of the small sizes the mixed-radix passes use, in place on
// a gathered group. Internal to the FFT; included by fft.cpp only.

#include "dsp/complex.h"

#include <array>
#include <cstddef>

namespace kdsp::dsp::butterfly {

inline constexpr float C3_1 = -1.5f;       // cos(2 pi / 3) - 1
inline constexpr float C3_2 = 0.8660254f;  // sin(2 pi / 3)
inline constexpr float C5_1 = -1.25f;      // (cos(2 pi / 5) + cos(4 pi / 5)) / 2 - 1
inline constexpr float C5_2 = 0.559017f;   // (cos(2 pi / 5) - cos(4 pi / 5)) / 2
inline constexpr float C5_3 = -0.9510565f; // -sin(2 pi / 5)
inline constexpr float C5_4 = -1.5388417f; // -(sin(2 pi / 5) + sin(4 pi / 5))
inline constexpr float C5_5 = 0.3632713f;  // sin(2 pi / 5) - sin(4 pi / 5)
inline constexpr float C8 = 0.70710677f;   // 1 / sqrt(2)

// Plain single-precision arithmetic: the passes are the hot loop.
inline Complex operator+(Complex a, Complex b) {
    return {a.re + b.re, a.im + b.im};
}
inline Complex operator-(Complex a, Complex b) {
    return {a.re - b.re, a.im - b.im};
}
inline Complex operator*(float s, Complex a) {
    return {s * a.re, s * a.im};
}
inline Complex operator*(Complex a, Complex b) {
    return {a.re * b.re - a.im * b.im, a.im * b.re + a.re * b.im};
}
// Multiplication by i and by -i.
inline Complex TimesI(Complex a) {
    return {-a.im, a.re};
}
inline Complex TimesMinusI(Complex a) {
    return {a.im, -a.re};
}

inline void Radix2(std::array<Complex, 2>& z) {
    const Complex sum = z[0] + z[1];
    z[1] = z[0] - z[1];
    z[0] = sum;
}

inline void Radix3(std::array<Complex, 3>& z) {
    const Complex t1 = z[1] + z[2];
    const Complex y0 = z[0] + t1;
    const Complex m1 = C3_1 * t1;
    const Complex m2 = C3_2 * Complex{z[1].im - z[2].im, z[2].re - z[1].re};
    const Complex s1 = y0 + m1;
    z[0] = y0;
    z[1] = s1 + m2;
    z[2] = s1 - m2;
}

inline void Radix4(std::array<Complex, 4>& z) {
    const Complex t1 = z[0] + z[2];
    const Complex t2 = z[0] - z[2];
    const Complex t3 = z[1] + z[3];
    const Complex t4 = TimesMinusI(z[1] - z[3]);
    z[0] = t1 + t3;
    z[1] = t2 + t4;
    z[2] = t1 - t3;
    z[3] = t2 - t4;
}

inline void Radix5(std::array<Complex, 5>& z) {
    const Complex t1 = z[1] + z[4];
    const Complex t2 = z[2] + z[3];
    const Complex t3 = z[1] - z[4];
    const Complex t4 = z[2] - z[3];
    const Complex t5 = t1 + t2;
    const Complex y0 = z[0] + t5;
    const Complex s1 = y0 + C5_1 * t5;
    const Complex m2 = C5_2 * (t1 - t2);
    const Complex s2 = s1 + m2;
    const Complex s4 = s1 - m2;
    const Complex m3 = C5_3 * (t3 + t4);
    const Complex odd1 = TimesI(m3 + C5_5 * t4);
    const Complex odd2 = TimesI(C5_4 * t3 - m3);
    z[0] = y0;
    z[1] = s2 + odd1;
    z[4] = s2 - odd1;
    z[2] = s4 + odd2;
    z[3] = s4 - odd2;
}

inline void Radix8(std::array<Complex, 8>& z) {
    std::array<Complex, 4> even{z[0], z[2], z[4], z[6]};
    std::array<Complex, 4> odd{z[1], z[3], z[5], z[7]};
    Radix4(even);
    Radix4(odd);
    odd[1] = C8 * Complex{odd[1].re + odd[1].im, odd[1].im - odd[1].re};
    odd[2] = TimesMinusI(odd[2]);
    odd[3] = C8 * Complex{odd[3].im - odd[3].re, -odd[3].re - odd[3].im};
    for (std::size_t k = 0; k < 4; ++k) {
        z[k] = even[k] + odd[k];
        z[k + 4] = even[k] - odd[k];
    }
}

// Ten points as two by five with coprime index maps (no twiddles): input
// n = 5 n1 + 2 n2 and output k = 5 k1 + 6 k2, both modulo 10.
inline void Radix10(std::array<Complex, 10>& z) {
    std::array<Complex, 5> sums;
    std::array<Complex, 5> differences;
    for (std::size_t n2 = 0; n2 < 5; ++n2) {
        const Complex a = z[(2 * n2) % 10];
        const Complex b = z[(5 + 2 * n2) % 10];
        sums[n2] = a + b;
        differences[n2] = a - b;
    }
    Radix5(sums);
    Radix5(differences);
    for (std::size_t k2 = 0; k2 < 5; ++k2) {
        z[(6 * k2) % 10] = sums[k2];
        z[(5 + 6 * k2) % 10] = differences[k2];
    }
}

// Any odd size r, by pairing points j and r - j. `roots` holds
// (cos(2 pi j / r), -sin(2 pi j / r)) for j = 0..r-1; `pairs` has room for
// r - 1 values.
inline void RadixOdd(Complex* z, std::size_t r, const Complex* roots, Complex* pairs) {
    const std::size_t half = r / 2;
    Complex* sums = pairs;
    Complex* differences = pairs + half;
    Complex y0 = z[0];
    for (std::size_t j = 1; j <= half; ++j) {
        sums[j - 1] = z[j] + z[r - j];
        differences[j - 1] = z[j] - z[r - j];
        y0 = y0 + sums[j - 1];
    }
    const Complex x0 = z[0];
    for (std::size_t k = 1; k <= half; ++k) {
        Complex even = x0;
        Complex odd{};
        std::size_t index = 0;
        for (std::size_t j = 1; j <= half; ++j) {
            index += k;
            if (index >= r)
                index -= r;
            even = even + roots[index].re * sums[j - 1];
            odd = odd + roots[index].im * differences[j - 1];
        }
        z[k] = even + TimesI(odd);
        z[r - k] = even - TimesI(odd);
    }
    z[0] = y0;
}

} // namespace kdsp::dsp::butterfly
