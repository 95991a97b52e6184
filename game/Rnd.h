#pragma once

#include <cstdint>
#include <random>

namespace kuvel {

// The dice's random generator: uniform single-precision values in [0, 1).
class Rnd {
public:
    // Seeds from the system clock; the program does this once, when Form1 loads.
    void randomize();
    // A fixed seed makes a run reproducible.
    void seed(std::uint32_t value) { engine_.seed(value); }
    // 24 random bits scaled by 2^-24: every value is exact in a float and the
    // largest is the float just below 1, never 1 itself.
    float next() { return static_cast<float>(engine_() >> 8) * 0x1p-24f; }

private:
    std::mt19937 engine_;
};

}  // namespace kuvel
