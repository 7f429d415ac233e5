#pragma once
// A quick test for the end of a line. Queue file records are written at one length, so the
// scan guesses that a line is as long as the one before it and checks the guess here, 16 bytes
// at a time, instead of searching each line for its line feed.
#include <cstddef>
#include <cstring>

#if defined(__SSE2__) || defined(_M_X64) || defined(_M_AMD64)
#include <emmintrin.h>
#define TOLVANE_LINE_FEED_SSE2 1
#endif

namespace tolvane {

// The smallest size IsLineOfSize takes.
inline constexpr std::size_t kMinGuessedLineSize = 16;

// True when `at` begins with a line of exactly size - 1 characters and its line feed: no line
// feed in at[0 .. size - 1) and one at at[size - 1].
// REQUIRES: size >= kMinGuessedLineSize and at[0 .. size) readable.
inline bool IsLineOfSize(const char* at, std::size_t size) {
#ifdef TOLVANE_LINE_FEED_SSE2
    const __m128i lineFeed = _mm_set1_epi8('\n');
    // The 16-byte pieces before the last one, which must hold no line feed; they may overlap
    // the last piece, which must hold one line feed, in its last byte.
    __m128i found = _mm_setzero_si128();
    std::size_t offset = 0;
    for (; offset + 32 < size; offset += 32) {
        __m128i first = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at + offset));
        __m128i second = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at + offset + 16));
        found = _mm_or_si128(
            found, _mm_or_si128(_mm_cmpeq_epi8(first, lineFeed), _mm_cmpeq_epi8(second, lineFeed)));
    }
    if (offset + 16 < size) {
        __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at + offset));
        found = _mm_or_si128(found, _mm_cmpeq_epi8(bytes, lineFeed));
    }
    __m128i last = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at + size - 16));
    return _mm_movemask_epi8(found) == 0 &&
           _mm_movemask_epi8(_mm_cmpeq_epi8(last, lineFeed)) == 0x8000;
#else
    return std::memchr(at, '\n', size) == at + size - 1;
#endif
}

}  // namespace tolvane
