#include "dsp/fft.h"

#include "dsp/fft_butterflies.h"
#include "dsp/fft_factors.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cmath>
#include <numbers>

namespace kdsp::dsp {

namespace {

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

// The passes form a decimation in time: data position d of a group is
// turned by the twiddle of d before the butterfly.
template <std::size_t R, void (*Butterfly)(std::array<Complex, R>&)>
void DedicatedPass(Complex* data, std::size_t span, std::size_t groups, const Complex* twiddles) {
    using butterfly::operator*;
    // Groups outside, data positions inside: neighbouring positions sit
    // side by side in memory. Every group and position is visited once, so
    // the order does not change the result.
    const std::size_t stride = span * R;
    for (std::size_t g = 0; g < groups; ++g) {
        Complex* group = data + g * stride;
        std::array<Complex, R> z;
        for (std::size_t b = 0; b < R; ++b)
            z[b] = group[b * span];
        Butterfly(z);
        for (std::size_t b = 0; b < R; ++b)
            group[b * span] = z[b];
        const Complex* turn = twiddles + (R - 1);
        for (std::size_t d = 1; d < span; ++d, turn += R - 1) {
            Complex* base = group + d;
            z[0] = base[0];
            for (std::size_t b = 1; b < R; ++b)
                z[b] = base[b * span] * turn[b - 1];
            Butterfly(z);
            for (std::size_t b = 0; b < R; ++b)
                base[b * span] = z[b];
        }
    }
}

} // namespace

FftPlan::FftPlan(std::size_t n)
    : n_(n), admissible_(FftLengthAdmissible(n)), radices_(FftRadices(n)) {
    if (!admissible_ || n_ == 0)
        return;
    copy_.resize(n_);

    permutation_ = DigitReversal(n_, radices_);

    std::size_t span = 1;
    std::size_t largestOdd = 0;
    for (const std::size_t radix : radices_) {
        if (radix == 1)
            continue;
        Pass pass{radix, span, n_ / (span * radix), twiddles_.size(), roots_.size()};
        for (std::size_t d = 0; d < span; ++d) {
            for (std::size_t b = 1; b < radix; ++b)
                twiddles_.push_back(Root(d * b, span * radix));
        }
        if (!HasDedicatedButterfly(radix)) {
            for (std::size_t j = 0; j < radix; ++j)
                roots_.push_back(Root(j, radix));
            largestOdd = std::max(largestOdd, radix);
        }
        passes_.push_back(pass);
        span *= radix;
    }
    scratch_.resize(2 * largestOdd);
}

void FftPlan::runPass(const Pass& pass, Complex* data) {
    const Complex* twiddles = twiddles_.data() + pass.twiddles;
    switch (pass.radix) {
    case 2:
        return DedicatedPass<2, butterfly::Radix2>(data, pass.span, pass.groups, twiddles);
    case 3:
        return DedicatedPass<3, butterfly::Radix3>(data, pass.span, pass.groups, twiddles);
    case 4:
        return DedicatedPass<4, butterfly::Radix4>(data, pass.span, pass.groups, twiddles);
    case 5:
        return DedicatedPass<5, butterfly::Radix5>(data, pass.span, pass.groups, twiddles);
    case 8:
        return DedicatedPass<8, butterfly::Radix8>(data, pass.span, pass.groups, twiddles);
    case 10:
        return DedicatedPass<10, butterfly::Radix10>(data, pass.span, pass.groups, twiddles);
    default:
        break;
    }
    using butterfly::operator*;
    const std::size_t r = pass.radix;
    const std::size_t stride = pass.span * r;
    Complex* z = scratch_.data();
    Complex* pairs = z + r;
    for (std::size_t d = 0; d < pass.span; ++d) {
        const Complex* turn = twiddles + d * (r - 1);
        for (std::size_t g = 0; g < pass.groups; ++g) {
            Complex* base = data + g * stride + d;
            z[0] = base[0];
            for (std::size_t b = 1; b < r; ++b)
                z[b] = d == 0 ? base[b * pass.span] : base[b * pass.span] * turn[b - 1];
            butterfly::RadixOdd(z, r, roots_.data() + pass.roots, pairs);
            for (std::size_t b = 0; b < r; ++b)
                base[b * pass.span] = z[b];
        }
    }
}

FftStatus FftPlan::transform(std::span<const Complex> input, std::span<Complex> output) {
    if (!admissible_)
        return FftStatus::PrimeFactorTooLarge;
    if (n_ == 0)
        return FftStatus::Ok;
    assert(input.size() == n_ && output.size() == n_);
    const Complex* source = input.data();
    if (source == output.data()) {
        std::copy(input.begin(), input.end(), copy_.begin());
        source = copy_.data();
    }
    Complex* data = output.data();
    for (std::size_t i = 0; i < n_; ++i)
        data[i] = source[permutation_[i]];
    for (const Pass& pass : passes_)
        runPass(pass, data);
    return FftStatus::Ok;
}

FftStatus FFT(std::span<const Complex> input, std::span<Complex> output) {
    FftPlan plan(input.size());
    return plan.transform(input, output);
}

} // namespace kdsp::dsp
