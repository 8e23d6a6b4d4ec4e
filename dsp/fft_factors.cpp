#include "dsp/fft_factors.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace kdsp::dsp {

std::vector<std::size_t> FftRadices(std::size_t n) {
    std::vector<std::size_t> found;
    if (n == 0)
        return found;
    if (n == 1)
        return {1};
    std::size_t rest = n;
    for (const std::size_t radix : std::array<std::size_t, 6>{10, 8, 5, 4, 3, 2}) {
        while (rest % radix == 0) {
            found.push_back(radix);
            rest /= radix;
        }
    }
    // A lone radix-2 pass is cheaper merged with a radix-8 one as two of 4.
    if (!found.empty() && found.back() == 2) {
        const auto eight = std::find(found.rbegin() + 1, found.rend(), std::size_t{8});
        if (eight != found.rend()) {
            *eight = 4;
            found.back() = 4;
        }
    }
    if (rest > 1) {
        const std::size_t limit = static_cast<std::size_t>(std::sqrt(static_cast<double>(rest)));
        for (std::size_t d = 2; d <= limit; ++d) {
            while (rest % d == 0) {
                found.push_back(d);
                rest /= d;
            }
        }
        if (rest > 1)
            found.push_back(rest);
    }
    std::reverse(found.begin(), found.end());
    return found;
}

bool FftLengthAdmissible(std::size_t n) {
    const std::vector<std::size_t> radices = FftRadices(n);
    return radices.empty() || *std::max_element(radices.begin(), radices.end()) <= MaxPrimeFactor;
}

} // namespace kdsp::dsp
