// The engine's pseudo-random generator: never seeded from the clock, so every start repeats it.
#pragma once

#include <cstdint>

namespace zolt {

class Random {
public:
    static constexpr int kMax = 32767;

    // The next integer from 0 to 32767 (15 bits).
    int next() {
        state_ = state_ * 1103515245u + 12345u;
        return static_cast<int>((state_ >> 16) & 0x7FFF);
    }
    // An integer from 0 to n - 1 for n > 0, and 0 for n <= 0.
    int below(int n) { return n > 0 ? next() % n : 0; }
    // The value of rnddopoln(): 0, 0.0001, ..., 0.9999.
    double fraction() { return (next() % 10000) * 0.0001; }
    void reset() { state_ = 1; }

private:
    std::uint32_t state_ = 1;
};

}  // namespace zolt
