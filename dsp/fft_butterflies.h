#pragma once

// Forward DFTs of the small sizes the mixed-radix passes use, in place on
// a gathered group. Internal to the FFT; included by fft.cpp only.
//
// The butterflies work on Split<V>: V is a float, for one data position, or
// a short vector of floats holding neighbouring data positions side by
// side. Either way every lane sees the same single-precision operations in
// the same order, so a transform gives the same results however many
// positions it handles at once.

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

// Real and imaginary parts kept apart, so that vectors of them need no
// shuffling.
template <typename V> struct Split {
    V re;
    V im;
};

// Plain single-precision arithmetic: the passes are the hot loop.
template <typename V> inline Split<V> operator+(Split<V> a, Split<V> b) {
    return {a.re + b.re, a.im + b.im};
}
template <typename V> inline Split<V> operator-(Split<V> a, Split<V> b) {
    return {a.re - b.re, a.im - b.im};
}
template <typename V> inline Split<V> operator*(float s, Split<V> a) {
    return {s * a.re, s * a.im};
}
template <typename V> inline Split<V> operator*(Split<V> a, Split<V> b) {
    return {a.re * b.re - a.im * b.im, a.im * b.re + a.re * b.im};
}
// Multiplication by i and by -i.
template <typename V> inline Split<V> TimesI(Split<V> a) {
    return {-a.im, a.re};
}
template <typename V> inline Split<V> TimesMinusI(Split<V> a) {
    return {a.im, -a.re};
}

// The dedicated butterflies, chosen by the size of the group.

template <typename V> inline void Butterfly(std::array<Split<V>, 2>& z) {
    const Split<V> sum = z[0] + z[1];
    z[1] = z[0] - z[1];
    z[0] = sum;
}

template <typename V> inline void Butterfly(std::array<Split<V>, 3>& z) {
    const Split<V> t1 = z[1] + z[2];
    const Split<V> y0 = z[0] + t1;
    const Split<V> m1 = C3_1 * t1;
    const Split<V> m2 = C3_2 * Split<V>{z[1].im - z[2].im, z[2].re - z[1].re};
    const Split<V> s1 = y0 + m1;
    z[0] = y0;
    z[1] = s1 + m2;
    z[2] = s1 - m2;
}

template <typename V> inline void Butterfly(std::array<Split<V>, 4>& z) {
    const Split<V> t1 = z[0] + z[2];
    const Split<V> t2 = z[0] - z[2];
    const Split<V> t3 = z[1] + z[3];
    const Split<V> t4 = TimesMinusI(z[1] - z[3]);
    z[0] = t1 + t3;
    z[1] = t2 + t4;
    z[2] = t1 - t3;
    z[3] = t2 - t4;
}

template <typename V> inline void Butterfly(std::array<Split<V>, 5>& z) {
    const Split<V> t1 = z[1] + z[4];
    const Split<V> t2 = z[2] + z[3];
    const Split<V> t3 = z[1] - z[4];
    const Split<V> t4 = z[2] - z[3];
    const Split<V> t5 = t1 + t2;
    const Split<V> y0 = z[0] + t5;
    const Split<V> s1 = y0 + C5_1 * t5;
    const Split<V> m2 = C5_2 * (t1 - t2);
    const Split<V> s2 = s1 + m2;
    const Split<V> s4 = s1 - m2;
    const Split<V> m3 = C5_3 * (t3 + t4);
    const Split<V> odd1 = TimesI(m3 + C5_5 * t4);
    const Split<V> odd2 = TimesI(C5_4 * t3 - m3);
    z[0] = y0;
    z[1] = s2 + odd1;
    z[4] = s2 - odd1;
    z[2] = s4 + odd2;
    z[3] = s4 - odd2;
}

template <typename V> inline void Butterfly(std::array<Split<V>, 8>& z) {
    std::array<Split<V>, 4> even{z[0], z[2], z[4], z[6]};
    std::array<Split<V>, 4> odd{z[1], z[3], z[5], z[7]};
    Butterfly(even);
    Butterfly(odd);
    odd[1] = C8 * Split<V>{odd[1].re + odd[1].im, odd[1].im - odd[1].re};
    odd[2] = TimesMinusI(odd[2]);
    odd[3] = C8 * Split<V>{odd[3].im - odd[3].re, -odd[3].re - odd[3].im};
    for (std::size_t k = 0; k < 4; ++k) {
        z[k] = even[k] + odd[k];
        z[k + 4] = even[k] - odd[k];
    }
}

// Ten points as two by five with coprime index maps (no twiddles): input
// n = 5 n1 + 2 n2 and output k = 5 k1 + 6 k2, both modulo 10.
template <typename V> inline void Butterfly(std::array<Split<V>, 10>& z) {
    std::array<Split<V>, 5> sums;
    std::array<Split<V>, 5> differences;
    for (std::size_t n2 = 0; n2 < 5; ++n2) {
        const Split<V> a = z[(2 * n2) % 10];
        const Split<V> b = z[(5 + 2 * n2) % 10];
        sums[n2] = a + b;
        differences[n2] = a - b;
    }
    Butterfly(sums);
    Butterfly(differences);
    for (std::size_t k2 = 0; k2 < 5; ++k2) {
        z[(6 * k2) % 10] = sums[k2];
        z[(5 + 6 * k2) % 10] = differences[k2];
    }
}

// Any odd size r, by pairing points j and r - j, on the parts `re` and `im`
// of r points. `cosines` and `sines` hold cos(2 pi j / r) and
// -sin(2 pi j / r) for j = 0..r-1; `pairs` has room for 2 (r - 1) floats.
inline void RadixOdd(float* re, float* im, std::size_t r, const float* cosines, const float* sines,
                     float* pairs) {
    const std::size_t half = r / 2;
    float* sumRe = pairs;
    float* sumIm = sumRe + half;
    float* differenceRe = sumIm + half;
    float* differenceIm = differenceRe + half;
    Split<float> y0{re[0], im[0]};
    for (std::size_t j = 1; j <= half; ++j) {
        const Split<float> a{re[j], im[j]};
        const Split<float> b{re[r - j], im[r - j]};
        const Split<float> sum = a + b;
        const Split<float> difference = a - b;
        sumRe[j - 1] = sum.re;
        sumIm[j - 1] = sum.im;
        differenceRe[j - 1] = difference.re;
        differenceIm[j - 1] = difference.im;
        y0 = y0 + sum;
    }
    const Split<float> x0{re[0], im[0]};
    for (std::size_t k = 1; k <= half; ++k) {
        Split<float> even = x0;
        Split<float> odd{0.0f, 0.0f};
        std::size_t index = 0;
        for (std::size_t j = 1; j <= half; ++j) {
            index += k;
            if (index >= r)
                index -= r;
            even = even + cosines[index] * Split<float>{sumRe[j - 1], sumIm[j - 1]};
            odd = odd + sines[index] * Split<float>{differenceRe[j - 1], differenceIm[j - 1]};
        }
        const Split<float> plus = even + TimesI(odd);
        const Split<float> minus = even - TimesI(odd);
        re[k] = plus.re;
        im[k] = plus.im;
        re[r - k] = minus.re;
        im[r - k] = minus.im;
    }
    re[0] = y0.re;
    im[0] = y0.im;
}

} // namespace kdsp::dsp::butterfly
