#pragma once

#include "core/chain_state.h"
#include "instrument/time_diagram.h"
#include "picture/chain_picture.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

// FNV-1a hashes, for comparing two editions of one session: of the bits of every mass's
// displacement and velocity, of a picture's pixels and of the time diagram's samples. The page's
// test computes the same in its own language from the module's memory.
class Fnv1a {
public:
    void add(const void* data, std::size_t size) {
        const auto* bytes = static_cast<const unsigned char*>(data);
        for (std::size_t i = 0; i < size; ++i) {
            hash_ = (hash_ ^ bytes[i]) * 16777619u;
        }
    }
    std::uint32_t value() const { return hash_; }

private:
    std::uint32_t hash_ = 2166136261u;
};

inline std::uint32_t chainStateHash(const ChainState& state) {
    Fnv1a hash;
    for (const ChainState::Row* row : {&state.y, &state.v}) {
        for (int i = 0; i <= ChainState::kLastMass; ++i) {
            const float value = (*row)[i];
            std::uint32_t bits = 0;
            std::memcpy(&bits, &value, sizeof bits);
            hash.add(&bits, sizeof bits);
        }
    }
    return hash.value();
}

inline std::uint32_t chainPictureHash(const ChainPicture& picture) {
    Fnv1a hash;
    hash.add(picture.pixels(), std::size_t(picture.width()) * std::size_t(picture.height()) *
                                   sizeof(ChainPicture::Pixel));
    return hash.value();
}

// Each sample, oldest first, as it lies in memory: its time (a double), then each slot's y.
inline std::uint32_t diagramHash(const TimeDiagram& diagram) {
    static_assert(sizeof(TimeDiagram::Sample) == 16);
    Fnv1a hash;
    for (std::size_t i = 0; i < diagram.sampleCount(); ++i) {
        hash.add(&diagram.sample(i), sizeof(TimeDiagram::Sample));
    }
    return hash.value();
}
