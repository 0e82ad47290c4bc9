// A small random source with a fixed algorithm (SplitMix64), so that the same seed gives the
// same boards on every compiler and platform: the standard distributions may differ.
#pragma once

#include <cstdint>

namespace tallowen::examples {

class ExampleRandom {
public:
    explicit ExampleRandom(std::uint64_t seed) : state_(seed) {}

    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // 0 .. n - 1 (the slight bias of the remainder does not matter here).
    int Below(int n) {
        return n <= 1 ? 0 : static_cast<int>(Next() % static_cast<std::uint64_t>(n));
    }
    bool Percent(int p) { return Below(100) < p; }

private:
    std::uint64_t state_;
};

}  // namespace tallowen::examples
