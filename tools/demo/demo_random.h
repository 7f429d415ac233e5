#pragma once
// The demo store's dice: a small generator whose sequence is fixed by its seed on every
// platform and compiler (the standard library's distributions are not), so a seed always
// gives the same store.
#include <cstdint>

namespace tolvane {

class DemoRandom {
  public:
    explicit DemoRandom(std::uint64_t seed) : m_state(seed) {}

    // SplitMix64.
    std::uint64_t Next() {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // 0 to bound - 1; 0 for a bound of 0.
    std::uint32_t Below(std::uint32_t bound) {
        return bound == 0 ? 0 : static_cast<std::uint32_t>(Next() % bound);
    }

    // low to high, both included.
    int Between(int low, int high) {
        return low + static_cast<int>(Below(static_cast<std::uint32_t>(high - low + 1)));
    }

    // True with a chance of perMille in 1000.
    bool Chance(int perMille) { return Below(1000) < static_cast<std::uint32_t>(perMille); }

  private:
    std::uint64_t m_state;
};

}  // namespace tolvane
