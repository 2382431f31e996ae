// Deterministic sample inputs: the same seed always gives the same bytes, on
// every platform. Used by the tests, the benchmark and the stand-in setup
// program's padding.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace sample {

using Bytes = std::vector<uint8_t>;

// A small, fast, portable generator (xorshift64*); std::mt19937's
// distributions differ between standard libraries, this does not.
class Random {
public:
    explicit Random(uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 1) {}
    uint64_t Next() {
        state_ ^= state_ >> 12;
        state_ ^= state_ << 25;
        state_ ^= state_ >> 27;
        return state_ * 0x2545F4914F6CDD1Dull;
    }
    // Uniform enough for test data: a number in [0, bound).
    uint32_t Below(uint32_t bound) { return static_cast<uint32_t>((Next() >> 32) % bound); }

private:
    uint64_t state_;
};

// Incompressible bytes.
Bytes RandomBytes(size_t size, uint64_t seed);
// Random stretches and runs of random lengths (1..600) and small values.
Bytes RunHeavy(size_t size, uint64_t seed);
// Like a program's code section: functions of instruction-like bytes with
// int3 padding between them, now and then zero fill or text; every byte
// value occurs in every 64 KiB.
Bytes CodeLike(size_t size, uint64_t seed);
// Like a compressed installer inside a program file: a code-like head, then
// mostly incompressible bytes with zero-filled stretches (section padding)
// every few dozen kilobytes.
Bytes InstallerPayload(size_t size, uint64_t seed);

} // namespace sample
