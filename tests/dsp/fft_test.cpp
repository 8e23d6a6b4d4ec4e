#include "dsp/complex.h"
#include "dsp/fft.h"
#include "dsp/fft_factors.h"

#include <cmath>
#include <complex>
#include <cstdint>
#include <gtest/gtest.h>
#include <numbers>
#include <vector>

namespace kdsp::dsp {
namespace {

using Signal = std::vector<Complex>;

// Deterministic values in [-1, 1) on every platform.
Signal PseudoRandom(std::size_t n) {
    Signal x(n);
    std::uint32_t state = 12345;
    auto next = [&state] {
        state = state * 1664525u + 1013904223u;
        return static_cast<float>(state >> 8) / 8388608.0f - 1.0f;
    };
    for (Complex& c : x) {
        c.re = next();
        c.im = next();
    }
    return x;
}

std::vector<std::complex<double>> NaiveDft(const Signal& x) {
    const std::size_t n = x.size();
    std::vector<std::complex<double>> y(n);
    for (std::size_t k = 0; k < n; ++k) {
        std::complex<double> sum;
        for (std::size_t j = 0; j < n; ++j) {
            const double angle =
                -2.0 * std::numbers::pi * static_cast<double>((j * k) % n) / static_cast<double>(n);
            sum += std::complex<double>(x[j].re, x[j].im) * std::polar(1.0, angle);
        }
        y[k] = sum;
    }
    return y;
}

Signal Transform(const Signal& x) {
    Signal y(x.size());
    EXPECT_EQ(FFT(x, y), FftStatus::Ok);
    return y;
}

TEST(FftFactors, RadicesInPassOrder) {
    struct Case {
        std::size_t n;
        std::vector<std::size_t> radices;
    };
    const Case cases[] = {
        {0, {}},
        {1, {1}},
        {2048, {4, 8, 8, 8}},
        {16, {4, 4}},      // 8 x 2 rebalanced
        {160, {4, 4, 10}}, // the 8 next to the trailing 2 is rebalanced, 10 stays
        {30, {3, 10}},
        {49, {7, 7}},
        {2310, {11, 7, 3, 10}},
        {1021, {1021}},
        {7 * 1031, {1031, 7}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FftRadices(c.n), c.radices) << c.n;
}

TEST(FftFactors, LengthsWithAPrimeFactorAbove1021AreRefused) {
    struct Case {
        std::size_t n;
        bool admissible;
    };
    const Case cases[] = {
        {0, true}, {2048, true}, {1021, true}, {3 * 1021, true}, {1031, false}, {7 * 1031, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FftLengthAdmissible(c.n), c.admissible) << c.n;
}

TEST(Fft, RefusedLengthWritesNothing) {
    const std::size_t n = 7 * 1031;
    const Signal x = PseudoRandom(n);
    Signal y(n, Complex{5.0f, 6.0f});
    EXPECT_EQ(FFT(x, y), FftStatus::PrimeFactorTooLarge);
    for (const Complex& c : y)
        ASSERT_EQ(c, (Complex{5.0f, 6.0f}));
    EXPECT_EQ(
        PrimeFactorTooLargeMessage,
        "Prime factor for FFT length too large. Change value for cMaxPrimeFactor in FFTs unit");
}

// Each length exercises a butterfly or a mix of them against a direct sum.
TEST(Fft, MatchesTheDirectTransform) {
    const std::size_t lengths[] = {1,  2,  3,  4,   5,   7,   8,    10,   16,   12,  30,
                                   49, 60, 64, 100, 143, 160, 1000, 1021, 2048, 2310};
    for (const std::size_t n : lengths) {
        const Signal x = PseudoRandom(n);
        const Signal y = Transform(x);
        const auto reference = NaiveDft(x);
        // Single-precision passes: the error grows about with sqrt(n) x log n.
        const double tolerance = 2e-6 * std::sqrt(static_cast<double>(n)) * (1.0 + std::log2(n));
        for (std::size_t k = 0; k < n; ++k) {
            ASSERT_NEAR(y[k].re, reference[k].real(), tolerance) << "n = " << n << ", k = " << k;
            ASSERT_NEAR(y[k].im, reference[k].imag(), tolerance) << "n = " << n << ", k = " << k;
        }
    }
}

TEST(Fft, ImpulseConstantAndCosine) {
    const std::size_t n = 2048;
    Signal impulse(n);
    impulse[0] = {1.0f, 0.0f};
    for (const Complex& c : Transform(impulse)) {
        ASSERT_EQ(c.re, 1.0f);
        ASSERT_EQ(c.im, 0.0f);
    }

    const Signal constant(n, Complex{1.0f, 0.0f});
    const Signal flat = Transform(constant);
    EXPECT_NEAR(flat[0].re, 2048.0, 1e-3);
    for (std::size_t k = 1; k < n; ++k)
        ASSERT_LT(Abs(flat[k]), 1e-3) << k;

    Signal cosine(n);
    for (std::size_t j = 0; j < n; ++j) {
        const double angle = 2.0 * std::numbers::pi * 8.0 * static_cast<double>(j) / 2048.0;
        cosine[j] = {static_cast<float>(std::cos(angle)), 0.0f};
    }
    const Signal tone = Transform(cosine);
    for (std::size_t k = 0; k < n; ++k) {
        const double expected = k == 8 || k == 2040 ? 1024.0 : 0.0;
        ASSERT_NEAR(Abs(tone[k]), expected, 2e-3) << k;
    }
}

TEST(Fft, InPlaceEqualsOutOfPlaceAndLeavesASeparateInputAlone) {
    for (const std::size_t n : {30u, 1021u, 2048u}) {
        const Signal x = PseudoRandom(n);
        Signal input = x;
        Signal output(n);
        FftPlan plan(n);
        ASSERT_EQ(plan.transform(input, output), FftStatus::Ok);
        EXPECT_EQ(input, x) << n;
        Signal inPlace = x;
        ASSERT_EQ(plan.transform(inPlace, inPlace), FftStatus::Ok);
        EXPECT_EQ(inPlace, output) << n;
    }
}

TEST(Complex, AbsOfThreeFourIsFive) {
    EXPECT_EQ(Abs(MakeComplex(3.0f, 4.0f)), 5.0f);
}

} // namespace
} // namespace kdsp::dsp
