#include "sim/fault_knobs.h"

#include <algorithm>

namespace kdsp {

void FaultKnobs::dropReply(std::size_t n) {
    arm(Kind::Drop, n, 0);
}

void FaultKnobs::corruptReply(std::size_t n) {
    arm(Kind::Corrupt, n, 0);
}

void FaultKnobs::cutReply(std::size_t n, std::size_t bytes) {
    arm(Kind::Cut, n, bytes);
}

void FaultKnobs::arm(Kind kind, std::size_t n, std::size_t bytes) {
    if (n > 0)
        armed_.push_back({kind, n, bytes});
}

void FaultKnobs::clear() {
    *this = FaultKnobs{};
}

std::optional<Bytes> FaultKnobs::apply(Bytes reply) {
    bool drop = false;
    bool corrupt = false;
    std::size_t cut = 0;
    for (auto it = armed_.begin(); it != armed_.end();) {
        if (--it->remaining > 0) {
            ++it;
            continue;
        }
        switch (it->kind) {
        case Kind::Drop:
            drop = true;
            break;
        case Kind::Corrupt:
            corrupt = true;
            break;
        case Kind::Cut:
            cut = std::max(cut, it->bytes);
            break;
        }
        it = armed_.erase(it);
    }

    ++repliesSeen_;
    drop = drop || strikes(dropEvery_, repliesSeen_);
    corrupt = corrupt || strikes(corruptEvery_, repliesSeen_);
    if (strikes(cutEvery_, repliesSeen_))
        cut = std::max(cut, cutEveryBytes_);

    if (drop)
        return std::nullopt;
    if (corrupt && !reply.empty())
        reply.back() = static_cast<std::uint8_t>(~reply.back());
    reply.resize(reply.size() - std::min(cut, reply.size()));
    if (reply.empty())
        return std::nullopt;
    return reply;
}

} // namespace kdsp
