#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <random>

namespace pivlon::differential {

// Choices drawn from a fixed seed, the same on every platform and compiler: the
// engine's sequence is fixed by the standard, and the distributions, which are not,
// are left out.
class SeededRandom {
  public:
    explicit SeededRandom(std::uint32_t seed) : engine_(seed) {}

    // A number in [0, count); count must not be 0.
    std::size_t Below(std::size_t count) { return engine_() % count; }
    bool OneIn(std::size_t count) { return Below(count) == 0; }

    // One element of a non-empty array or vector.
    template <typename Choices>
    const auto& Pick(const Choices& choices) {
        return choices[Below(std::size(choices))];
    }

  private:
    std::mt19937 engine_;
};

}  // namespace pivlon::differential
