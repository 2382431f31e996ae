// Run searches used by the packer: where the next run of equal bytes begins,
// and where a run ends. Both look at 16 bytes at a time where SSE2 is
// available and fall back to a plain byte loop elsewhere; both give exactly
// the positions a byte-by-byte scan would.
#pragma once

#include <cstddef>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace acsf::detail {

inline unsigned CountTrailingZeros(unsigned mask) {
    return static_cast<unsigned>(__builtin_ctz(mask));
}

// First position k in [p, end) at which MinRun equal bytes begin, all of them
// before `end`; `end` when there is none. Reads only [p, end).
template <int MinRun> inline const uint8_t* FindRunStart(const uint8_t* p, const uint8_t* end) {
    static_assert(MinRun == 4 || MinRun == 5, "runs start at 4 or 5 equal bytes");
#if defined(__SSE2__)
    // Lane i of `same` is set when bytes i .. i+MinRun-1 all equal byte i.
    while (end - p >= 16 + MinRun - 1) {
        const __m128i a0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        __m128i same = _mm_cmpeq_epi8(a0, _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 1)));
        same = _mm_and_si128(
            same, _mm_cmpeq_epi8(a0, _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 2))));
        same = _mm_and_si128(
            same, _mm_cmpeq_epi8(a0, _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 3))));
        if (MinRun == 5)
            same = _mm_and_si128(
                same, _mm_cmpeq_epi8(a0, _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 4))));
        const unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(same));
        if (mask != 0) return p + CountTrailingZeros(mask);
        p += 16;
    }
#endif
    for (; end - p >= MinRun; ++p) {
        if (p[0] == p[1] && p[0] == p[2] && p[0] == p[3] && (MinRun == 4 || p[0] == p[4])) return p;
    }
    return end;
}

// First position at or after p whose byte differs from `value`. The byte at
// `end` must differ from `value` (the packer's sentinel), which bounds the
// search; bytes past `end` are never read.
inline const uint8_t* FindRunEnd(const uint8_t* p, const uint8_t* end, uint8_t value) {
#if defined(__SSE2__)
    const __m128i splat = _mm_set1_epi8(static_cast<char>(value));
    while (end - p >= 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const unsigned differs =
            ~static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, splat))) & 0xFFFFu;
        if (differs != 0) return p + CountTrailingZeros(differs);
        p += 16;
    }
#else
    (void)end;
#endif
    while (*p == value)
        ++p;
    return p;
}

} // namespace acsf::detail
