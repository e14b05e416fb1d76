#include "line_scan.h"

#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// A tab, a line end or a NUL: the only bytes that change how a line reads.
bool isMarkByte(char c)
{
    return c == '\t' || c == '\n' || c == '\r' || c == '\0';
}

// Calls take(offset, byte) for each mark byte (tab, line end, NUL) of
// text[0, size) in order, until it returns true; gives that offset, or size.
// Thirty-two bytes are looked at together where the processor allows, so a
// line costs about its length over thirty-two turns plus one per tab.
template <typename Take>
std::size_t forEachMarkByte(const char* text, std::size_t size, Take take)
{
    std::size_t i = 0;
#if defined(__SSE2__)
    const __m128i tab = _mm_set1_epi8('\t');
    const __m128i lf = _mm_set1_epi8('\n');
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i nul = _mm_setzero_si128();
    auto markBytesAt = [&](std::size_t at) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + at));
        const __m128i hits = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(bytes, tab), _mm_cmpeq_epi8(bytes, lf)),
                                          _mm_or_si128(_mm_cmpeq_epi8(bytes, cr), _mm_cmpeq_epi8(bytes, nul)));
        return static_cast<unsigned>(_mm_movemask_epi8(hits));
    };
    // Two steps at a time: a line of a log is a few of them.
    for (; i + 32 <= size; i += 32) {
        std::uint32_t mask = markBytesAt(i) | (markBytesAt(i + 16) << 16);
        while (mask != 0) {
            const std::size_t at = i + static_cast<std::size_t>(__builtin_ctz(mask));
            mask &= mask - 1;
            if (take(at, text[at]))
                return at;
        }
    }
    for (; i + 16 <= size; i += 16) {
        unsigned mask = markBytesAt(i);
        while (mask != 0) {
            const std::size_t at = i + static_cast<std::size_t>(__builtin_ctz(mask));
            mask &= mask - 1;
            if (take(at, text[at]))
                return at;
        }
    }
#endif
    for (; i < size; ++i)
        if (isMarkByte(text[i]) && take(i, text[i]))
            return i;
    return size;
}

}  // namespace

LineScan scanLine(const char* text, std::size_t size, char lineEnd)
{
    LineScan scan;
    scan.stop = forEachMarkByte(text, size, [&scan, lineEnd](std::size_t at, char c) {
        if (c == '\t') {
            if (scan.tabCount < LineFields::kMaxFields)
                scan.tabs[scan.tabCount++] = at;
        } else if (c == '\0') {
            scan.hasNul = true;
        } else if (c == lineEnd) {
            return true;
        } else if (c == '\r') {
            ++scan.crCount;
            scan.lastCr = at;
        }
        return false;
    });
    return scan;
}

void fieldsFromScan(const char* text, std::size_t length, const LineScan& scan, LineFields& fields)
{
    fields.hasNul = scan.hasNul;
    fields.hasTab = scan.tabCount > 0;
    fields.count = length == 0 ? 0 : (scan.tabCount < LineFields::kMaxFields ? scan.tabCount + 1 : LineFields::kMaxFields);
    std::size_t start = 0;
    for (int f = 0; f < LineFields::kMaxFields; ++f) {
        if (f >= fields.count) {
            fields.fields[f] = std::string_view();
            continue;
        }
        const std::size_t end = f < scan.tabCount ? scan.tabs[f] : length;
        fields.fields[f] = std::string_view(text + start, end - start);
        start = end + 1;
    }
}

LineFields splitFields(std::string_view line)
{
    LineFields fields;
    fieldsFromScan(line.data(), line.size(), scanLine(line.data(), line.size(), '\0'), fields);
    return fields;
}
