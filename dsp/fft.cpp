#include "dsp/fft.h"

#include "dsp/fft_butterflies.h"
#include "dsp/fft_factors.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cmath>
#include <cstring>
#include <numbers>

namespace kdsp::dsp {

namespace {

using butterfly::Split;

// Four neighbouring data positions at once where the compiler has vector
// types; the generic vector is lowered to whatever the target offers.
#if defined(__GNUC__)
using Lanes = float __attribute__((vector_size(16)));
#else
using Lanes = float;
#endif
constexpr std::size_t LaneCount = sizeof(Lanes) / sizeof(float);

template <typename V> V Load(const float* p) {
    V v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

template <typename V> void Store(float* p, V v) {
    std::memcpy(p, &v, sizeof v);
}

bool HasDedicatedButterfly(std::size_t radix) {
    switch (radix) {
    case 2:
    case 3:
    case 4:
    case 5:
    case 8:
    case 10:
        return true;
    default:
        return false;
    }
}

Complex Root(std::size_t numerator, std::size_t denominator) {
    const double angle =
        2.0 * std::numbers::pi * static_cast<double>(numerator) / static_cast<double>(denominator);
    return Complex{static_cast<float>(std::cos(angle)), static_cast<float>(-std::sin(angle))};
}

// The order in which the passes want the input: a mixed-radix counter
// whose digit i steps the source index by remain(i) = n / (f0 ... fi),
// with remain(-1) = n and remain(k) = 0 around the k digits.
std::vector<std::size_t> DigitReversal(std::size_t n, const std::vector<std::size_t>& radices) {
    const std::size_t k = radices.size();
    std::vector<std::size_t> remain(k + 2, 0); // remain[i + 1] is remain(i)
    remain[0] = n;
    for (std::size_t i = 0; i < k; ++i)
        remain[i + 1] = remain[i] / radices[i];
    remain[k + 1] = 0;

    std::vector<std::size_t> order(n);
    std::vector<std::size_t> digits(k + 1, 0);
    std::size_t m = 0;
    for (std::size_t i = 0; i + 1 < n; ++i) {
        order[i] = m;
        ++digits[0];
        m += remain[1];
        for (std::size_t j = 0; j < k && digits[j] == radices[j]; ++j) {
            digits[j] = 0;
            m = m - remain[j] + remain[j + 2];
            ++digits[j + 1];
        }
    }
    order[n - 1] = n - 1;
    return order;
}

// The first pass (span 1, no twiddles) gathers its groups straight from the
// input in digit-reversed order, so the permutation costs no pass of its own
// and the input may be the output array.
template <std::size_t R>
void FirstPass(const Complex* source, const std::size_t* order, float* re, float* im,
               std::size_t groups) {
    for (std::size_t g = 0; g < groups; ++g, order += R, re += R, im += R) {
        std::array<Split<float>, R> z;
        for (std::size_t b = 0; b < R; ++b)
            z[b] = {source[order[b]].re, source[order[b]].im};
        butterfly::Butterfly(z);
        for (std::size_t b = 0; b < R; ++b) {
            re[b] = z[b].re;
            im[b] = z[b].im;
        }
    }
}

// The passes form a decimation in time: data position d of a group is
// turned by the twiddles of d before the butterfly. V holds one data
// position or several neighbouring ones; the twiddle of position 0 is 1, so
// turning it too changes no finite value.
template <std::size_t R, typename V>
void TwiddledPass(float* re, float* im, std::size_t span, std::size_t groups, const float* twRe,
                  const float* twIm) {
    constexpr std::size_t Step = sizeof(V) / sizeof(float);
    const std::size_t stride = span * R;
    for (std::size_t g = 0; g < groups; ++g, re += stride, im += stride) {
        for (std::size_t d = 0; d < span; d += Step) {
            std::array<Split<V>, R> z;
            z[0] = {Load<V>(re + d), Load<V>(im + d)};
            for (std::size_t b = 1; b < R; ++b) {
                const std::size_t at = b * span + d;
                const std::size_t turn = (b - 1) * span + d;
                z[b] = Split<V>{Load<V>(re + at), Load<V>(im + at)} *
                       Split<V>{Load<V>(twRe + turn), Load<V>(twIm + turn)};
            }
            butterfly::Butterfly(z);
            for (std::size_t b = 0; b < R; ++b) {
                Store(re + b * span + d, z[b].re);
                Store(im + b * span + d, z[b].im);
            }
        }
    }
}

template <std::size_t R>
void LaterPass(float* re, float* im, std::size_t span, std::size_t groups, const float* twRe,
               const float* twIm) {
    if (span % LaneCount == 0)
        TwiddledPass<R, Lanes>(re, im, span, groups, twRe, twIm);
    else
        TwiddledPass<R, float>(re, im, span, groups, twRe, twIm);
}

} // namespace

FftPlan::FftPlan(std::size_t n)
    : n_(n), admissible_(FftLengthAdmissible(n)), radices_(FftRadices(n)) {
    if (!admissible_ || n_ == 0)
        return;
    permutation_ = DigitReversal(n_, radices_);
    re_.resize(n_);
    im_.resize(n_);

    std::size_t span = 1;
    std::size_t largestOdd = 0;
    for (const std::size_t radix : radices_) {
        if (radix == 1)
            continue;
        Pass pass{radix, span, n_ / (span * radix), twiddleRe_.size(), rootRe_.size()};
        for (std::size_t b = 1; b < radix; ++b) {
            for (std::size_t d = 0; d < span; ++d) {
                const Complex t = Root(d * b, span * radix);
                twiddleRe_.push_back(t.re);
                twiddleIm_.push_back(t.im);
            }
        }
        if (!HasDedicatedButterfly(radix)) {
            for (std::size_t j = 0; j < radix; ++j) {
                const Complex root = Root(j, radix);
                rootRe_.push_back(root.re);
                rootIm_.push_back(root.im);
            }
            largestOdd = std::max(largestOdd, radix);
        }
        passes_.push_back(pass);
        span *= radix;
    }
    scratch_.resize(4 * largestOdd);
}

void FftPlan::firstPass(const Pass& pass, const Complex* source) {
    const std::size_t* order = permutation_.data();
    switch (pass.radix) {
    case 2:
        return FirstPass<2>(source, order, re_.data(), im_.data(), pass.groups);
    case 3:
        return FirstPass<3>(source, order, re_.data(), im_.data(), pass.groups);
    case 4:
        return FirstPass<4>(source, order, re_.data(), im_.data(), pass.groups);
    case 5:
        return FirstPass<5>(source, order, re_.data(), im_.data(), pass.groups);
    case 8:
        return FirstPass<8>(source, order, re_.data(), im_.data(), pass.groups);
    case 10:
        return FirstPass<10>(source, order, re_.data(), im_.data(), pass.groups);
    default:
        return oddPass(pass, source);
    }
}

void FftPlan::laterPass(const Pass& pass) {
    float* re = re_.data();
    float* im = im_.data();
    const float* twRe = twiddleRe_.data() + pass.twiddles;
    const float* twIm = twiddleIm_.data() + pass.twiddles;
    switch (pass.radix) {
    case 2:
        return LaterPass<2>(re, im, pass.span, pass.groups, twRe, twIm);
    case 3:
        return LaterPass<3>(re, im, pass.span, pass.groups, twRe, twIm);
    case 4:
        return LaterPass<4>(re, im, pass.span, pass.groups, twRe, twIm);
    case 5:
        return LaterPass<5>(re, im, pass.span, pass.groups, twRe, twIm);
    case 8:
        return LaterPass<8>(re, im, pass.span, pass.groups, twRe, twIm);
    case 10:
        return LaterPass<10>(re, im, pass.span, pass.groups, twRe, twIm);
    default:
        return oddPass(pass, nullptr);
    }
}

// A radix without a dedicated butterfly, one data position at a time. With
// a `source` it is the first pass and gathers from the input.
void FftPlan::oddPass(const Pass& pass, const Complex* source) {
    using butterfly::operator*;
    const std::size_t r = pass.radix;
    const std::size_t stride = pass.span * r;
    const float* twRe = twiddleRe_.data() + pass.twiddles;
    const float* twIm = twiddleIm_.data() + pass.twiddles;
    float* zRe = scratch_.data();
    float* zIm = zRe + r;
    float* pairs = zIm + r;
    for (std::size_t d = 0; d < pass.span; ++d) {
        for (std::size_t g = 0; g < pass.groups; ++g) {
            const std::size_t base = g * stride + d;
            for (std::size_t b = 0; b < r; ++b) {
                const std::size_t at = base + b * pass.span;
                Split<float> x =
                    source ? Split<float>{source[permutation_[at]].re, source[permutation_[at]].im}
                           : Split<float>{re_[at], im_[at]};
                if (d > 0 && b > 0) {
                    const std::size_t turn = (b - 1) * pass.span + d;
                    x = x * Split<float>{twRe[turn], twIm[turn]};
                }
                zRe[b] = x.re;
                zIm[b] = x.im;
            }
            butterfly::RadixOdd(zRe, zIm, r, rootRe_.data() + pass.roots,
                                rootIm_.data() + pass.roots, pairs);
            for (std::size_t b = 0; b < r; ++b) {
                re_[base + b * pass.span] = zRe[b];
                im_[base + b * pass.span] = zIm[b];
            }
        }
    }
}

FftStatus FftPlan::transform(std::span<const Complex> input, std::span<Complex> output) {
    if (!admissible_)
        return FftStatus::PrimeFactorTooLarge;
    if (n_ == 0)
        return FftStatus::Ok;
    assert(input.size() == n_ && output.size() == n_);
    if (passes_.empty()) { // a length of 1
        output[0] = input[0];
        return FftStatus::Ok;
    }
    // Everything is read from the input before the first write to the output.
    firstPass(passes_.front(), input.data());
    for (std::size_t p = 1; p < passes_.size(); ++p)
        laterPass(passes_[p]);
    for (std::size_t i = 0; i < n_; ++i)
        output[i] = Complex{re_[i], im_[i]};
    return FftStatus::Ok;
}

FftStatus FFT(std::span<const Complex> input, std::span<Complex> output) {
    FftPlan plan(input.size());
    return plan.transform(input, output);
}

} // namespace kdsp::dsp
