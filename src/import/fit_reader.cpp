#include "fit_reader.h"

#include <array>
#include <cstdint>
#include <cstring>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

#include "civil_time.h"
#include "import_messages.h"

namespace {

// A fuzzing build takes any checksum, so that the fuzzer reaches the messages.
#ifdef FUZZING_BUILD_MODE_UNSAFE_FOR_PRODUCTION
constexpr bool kCheckCrc = false;
#else
constexpr bool kCheckCrc = true;
#endif

// FIT counts seconds from 1989-12-31T00:00:00Z.
constexpr std::int64_t kFitEpochUnix = 631065600;
// Smaller date_time values count from the device's power-up, not a date.
constexpr std::uint32_t kFirstRealFitTime = 0x10000000;

constexpr std::uint16_t kMesgSport = 12;
constexpr std::uint16_t kMesgSession = 18;
constexpr std::uint16_t kMesgLap = 19;
constexpr std::uint16_t kMesgWorkout = 26;
constexpr std::uint16_t kMesgActivity = 34;
constexpr std::uint8_t kFieldTimestamp = 253;

constexpr std::array<const char*, 89> kSportNames = {
    "generic",
    "running",
    "cycling",
    "transition",
    "fitness equipment",
    "swimming",
    "basketball",
    "soccer",
    "tennis",
    "american football",
    "training",
    "walking",
    "cross country skiing",
    "alpine skiing",
    "snowboarding",
    "rowing",
    "mountaineering",
    "hiking",
    "multisport",
    "paddling",
    "flying",
    "e biking",
    "motorcycling",
    "boating",
    "driving",
    "golf",
    "hang gliding",
    "horseback riding",
    "hunting",
    "fishing",
    "inline skating",
    "rock climbing",
    "sailing",
    "ice skating",
    "sky diving",
    "snowshoeing",
    "snowmobiling",
    "stand up paddleboarding",
    "surfing",
    "wakeboarding",
    "water skiing",
    "kayaking",
    "rafting",
    "windsurfing",
    "kitesurfing",
    "tactical",
    "jumpmaster",
    "boxing",
    "floor climbing",
    "baseball",
    nullptr,
    nullptr,
    nullptr,
    "diving",
    nullptr,
    nullptr,
    "shooting",
    nullptr,
    "winter sport",
    "grinding",
    nullptr,
    nullptr,
    "hiit",
    "video gaming",
    "racket",
    "wheelchair push walk",
    "wheelchair push run",
    "meditation",
    "para sport",
    "disc golf",
    "team sport",
    "cricket",
    "rugby",
    "hockey",
    "lacrosse",
    "volleyball",
    "water tubing",
    "wakesurfing",
    "water sport",
    "archery",
    "mixed martial arts",
    "motor sports",
    "snorkeling",
    "dance",
    "jump rope",
    "pool apnea",
    "mobility",
    "geocaching",
    "canoeing",
};

struct FieldDef {
    std::uint8_t number = 0;
    std::uint8_t size = 0;
    std::uint8_t baseType = 0;
};

struct MessageDef {
    bool defined = false;
    bool bigEndian = false;
    std::uint16_t global = 0;
    std::uint8_t fieldCount = 0;
    std::array<FieldDef, 255> fields{};
    std::size_t dataSize = 0;  // the fields and the developer fields
    int timestampAt = -1;      // where a uint32 timestamp field lies, -1 without one
    bool wanted = false;       // a message whose fields are read
};

bool wantedMessage(std::uint16_t global)
{
    return global == kMesgSession || global == kMesgLap || global == kMesgActivity || global == kMesgWorkout ||
           global == kMesgSport;
}

// CRC-16 tables for sixteen bytes at a time: a watch file is read at memory speed.
struct CrcTables {
    std::uint16_t t[16][256];
};

constexpr CrcTables makeCrcTables()
{
    CrcTables tables{};
    for (unsigned i = 0; i < 256; ++i) {
        unsigned crc = i;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) != 0 ? (crc >> 1) ^ 0xA001 : crc >> 1;
        tables.t[0][i] = static_cast<std::uint16_t>(crc);
    }
    for (unsigned i = 0; i < 256; ++i)
        for (int k = 1; k < 16; ++k)
            tables.t[k][i] =
                static_cast<std::uint16_t>((tables.t[k - 1][i] >> 8) ^ tables.t[0][tables.t[k - 1][i] & 0xFF]);
    return tables;
}

constexpr CrcTables kCrc = makeCrcTables();

// The size of one value of a base type (its low five bits); 0 when unknown.
std::size_t baseTypeSize(std::uint8_t baseType)
{
    static constexpr std::array<std::uint8_t, 17> kSizes = {1, 1, 1, 2, 2, 4, 4, 1, 4, 8, 1, 2, 4, 1, 8, 8, 8};
    const std::size_t index = baseType & 0x1F;
    return index < kSizes.size() ? kSizes[index] : 0;
}

bool isZeroInvalid(std::uint8_t baseType)
{
    const unsigned index = baseType & 0x1F;
    return index == 10 || index == 11 || index == 12 || index == 16;
}

bool isSigned(std::uint8_t baseType)
{
    const unsigned index = baseType & 0x1F;
    return index == 1 || index == 3 || index == 5 || index == 14;
}

std::uint64_t readUnsigned(const unsigned char* p, std::size_t size, bool bigEndian)
{
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < size; ++i) {
        const std::size_t at = bigEndian ? i : size - 1 - i;
        value = (value << 8) | p[at];
    }
    return value;
}

// A data message's bytes with the definition that lays them out.
struct DataMessage {
    const MessageDef& def;
    const unsigned char* bytes;

    const unsigned char* find(std::uint8_t number, const FieldDef*& field) const
    {
        const unsigned char* at = bytes;
        for (std::size_t i = 0; i < def.fieldCount; ++i) {
            if (def.fields[i].number == number) {
                field = &def.fields[i];
                return at;
            }
            at += def.fields[i].size;
        }
        return nullptr;
    }

    // The field's first value as an unsigned number; nothing when the
    // message lacks it, it is no integer or it holds the invalid value.
    std::optional<std::uint64_t> number(std::uint8_t fieldNumber) const
    {
        const FieldDef* field = nullptr;
        const unsigned char* at = find(fieldNumber, field);
        if (at == nullptr)
            return std::nullopt;
        const std::size_t size = baseTypeSize(field->baseType);
        const unsigned index = field->baseType & 0x1F;
        // Strings, floats and bytes carry no counts we read.
        if (size == 0 || field->size < size || index == 7 || index == 8 || index == 9 || index == 13)
            return std::nullopt;
        const std::uint64_t value = readUnsigned(at, size, def.bigEndian);
        const std::uint64_t allOnes = size == 8 ? ~0ULL : (1ULL << (size * 8)) - 1;
        if (isZeroInvalid(field->baseType) ? value == 0 : value == (isSigned(field->baseType) ? allOnes >> 1 : allOnes))
            return std::nullopt;
        return value;
    }

    std::string text(std::uint8_t fieldNumber) const
    {
        const FieldDef* field = nullptr;
        const unsigned char* at = find(fieldNumber, field);
        if (at == nullptr || (field->baseType & 0x1F) != 7)
            return {};
        std::size_t length = 0;
        while (length < field->size && at[length] != 0)
            ++length;
        return std::string(reinterpret_cast<const char*>(at), length);
    }
};

// What the messages of an activity leave behind.
struct Collected {
    std::vector<WorkoutSummary> sessions;
    std::vector<WorkoutSummary> laps;
    std::optional<std::int64_t> localOffset;  // local time less UTC, from the activity
    std::string workoutName;
    std::optional<unsigned> sportOfFile;  // from a sport message
};

std::optional<WorkoutSummary> summaryOf(const DataMessage& message, std::uint8_t sportField)
{
    WorkoutSummary summary;
    const std::optional<std::uint64_t> elapsed = message.number(7);
    const std::optional<std::uint64_t> timer = message.number(8);
    if (timer)
        summary.seconds = static_cast<double>(*timer) / 1000.0;
    else if (elapsed)
        summary.seconds = static_cast<double>(*elapsed) / 1000.0;
    if (const std::optional<std::uint64_t> distance = message.number(9)) {
        summary.distanceKind = DistanceKind::Metres;
        summary.distance = static_cast<double>(*distance) / 100.0;
    }
    std::optional<std::uint64_t> start = message.number(2);
    if (!start || *start < kFirstRealFitTime) {
        // Without its start, the end less the elapsed time.
        const std::optional<std::uint64_t> end = message.number(kFieldTimestamp);
        if (!end || *end < kFirstRealFitTime)
            return std::nullopt;
        start = *end - (elapsed ? *elapsed / 1000 : 0);
    }
    summary.utcStart = static_cast<std::int64_t>(*start) + kFitEpochUnix;
    if (const std::optional<std::uint64_t> sport = message.number(sportField))
        summary.sport = fitSportName(static_cast<unsigned>(*sport));
    return summary;
}

void takeMessage(const DataMessage& message, Collected& found)
{
    switch (message.def.global) {
        case kMesgSession:
            if (std::optional<WorkoutSummary> session = summaryOf(message, 5))
                found.sessions.push_back(std::move(*session));
            break;
        case kMesgLap:
            if (std::optional<WorkoutSummary> lap = summaryOf(message, 25))
                found.laps.push_back(std::move(*lap));
            break;
        case kMesgActivity: {
            const std::optional<std::uint64_t> utc = message.number(kFieldTimestamp);
            const std::optional<std::uint64_t> local = message.number(5);
            if (utc && local && !found.localOffset && *utc >= kFirstRealFitTime)
                found.localOffset = static_cast<std::int64_t>(*local) - static_cast<std::int64_t>(*utc);
            break;
        }
        case kMesgWorkout:
            if (found.workoutName.empty())
                found.workoutName = message.text(8);
            break;
        case kMesgSport:
            if (const std::optional<std::uint64_t> sport = message.number(0))
                found.sportOfFile = static_cast<unsigned>(*sport);
            break;
        default:
            break;
    }
}

// Walks the records of one FIT file's data. Returns an error text or nullptr.
const char* readRecords(const unsigned char* p, const unsigned char* end, Collected& found)
{
    std::array<MessageDef, 16> defs{};
    std::uint32_t lastTimestamp = 0;
    // The last full timestamp is read only when a compressed one needs it.
    const unsigned char* lastTimestampAt = nullptr;
    bool lastTimestampBigEndian = false;
    while (p < end) {
        const std::uint8_t header = *p++;
        if ((header & 0x40) != 0 && (header & 0x80) == 0) {
            // A definition: reserved, architecture, global number, field count.
            if (end - p < 5)
                return importmsg::kFitCutShort;
            MessageDef& def = defs[header & 0x0F];
            def = MessageDef{};
            def.bigEndian = p[1] == 1;
            def.global = static_cast<std::uint16_t>(readUnsigned(p + 2, 2, def.bigEndian));
            def.fieldCount = p[4];
            p += 5;
            if (end - p < 3 * static_cast<std::ptrdiff_t>(def.fieldCount))
                return importmsg::kFitCutShort;
            for (std::size_t i = 0; i < def.fieldCount; ++i, p += 3) {
                def.fields[i] = FieldDef{p[0], p[1], p[2]};
                if (p[0] == kFieldTimestamp && p[1] == 4 && (p[2] & 0x1F) == 6 && def.timestampAt < 0)
                    def.timestampAt = static_cast<int>(def.dataSize);
                def.dataSize += p[1];
            }
            def.wanted = wantedMessage(def.global);
            if ((header & 0x20) != 0) {
                // Developer fields: only their sizes matter, to pass over them.
                if (end - p < 1)
                    return importmsg::kFitCutShort;
                const std::size_t count = *p++;
                if (end - p < 3 * static_cast<std::ptrdiff_t>(count))
                    return importmsg::kFitCutShort;
                for (std::size_t i = 0; i < count; ++i, p += 3)
                    def.dataSize += p[1];
            }
            def.defined = true;
            continue;
        }
        std::size_t local = header & 0x0F;
        std::optional<std::uint32_t> compressedTime;
        if ((header & 0x80) != 0) {
            // A compressed timestamp: five bits of seconds after the last full one.
            local = (header >> 5) & 0x03;
            if (lastTimestampAt != nullptr) {
                const auto time = static_cast<std::uint32_t>(readUnsigned(lastTimestampAt, 4, lastTimestampBigEndian));
                if (time != 0xFFFFFFFFu)
                    lastTimestamp = time;
                lastTimestampAt = nullptr;
            }
            const std::uint32_t offset = header & 0x1F;
            std::uint32_t time = (lastTimestamp & ~0x1Fu) + offset;
            if (offset < (lastTimestamp & 0x1Fu))
                time += 0x20;
            lastTimestamp = time;
            compressedTime = time;
        }
        const MessageDef& def = defs[local];
        if (!def.defined)
            return importmsg::kFitUndefinedMessage;
        if (static_cast<std::size_t>(end - p) < def.dataSize)
            return importmsg::kFitCutShort;
        if (def.wanted)
            takeMessage(DataMessage{def, p}, found);
        const unsigned char* last = p;
        p += def.dataSize;
        if (!compressedTime) {
            // A watch writes thousands of records in a row: pass over the
            // ones like this, keeping only where the last one starts.
            if (!def.wanted) {
                while (p < end && *p == header && static_cast<std::size_t>(end - p - 1) >= def.dataSize) {
                    last = p + 1;
                    p += def.dataSize + 1;
                }
            }
            if (def.timestampAt >= 0) {
                lastTimestampAt = last + def.timestampAt;
                lastTimestampBigEndian = def.bigEndian;
            }
        }
    }
    return nullptr;
}

// One summary for a file that has laps but no session: their sums.
WorkoutSummary lapsTogether(const std::vector<WorkoutSummary>& laps)
{
    WorkoutSummary all = laps.front();
    for (std::size_t i = 1; i < laps.size(); ++i) {
        all.seconds += laps[i].seconds;
        if (laps[i].distanceKind == DistanceKind::Metres) {
            all.distanceKind = DistanceKind::Metres;
            all.distance += laps[i].distance;
        }
    }
    return all;
}

}  // namespace

namespace {

std::uint16_t tableCrc(std::uint16_t crc, const unsigned char* data, std::size_t size)
{
    // The reflected CRC-16 with polynomial 0xA001 and no final step, the same
    // as the nibble-wise one FIT describes, taken sixteen bytes at a time.
    std::size_t i = 0;
    for (; i + 16 <= size; i += 16) {
        const unsigned char* b = data + i;
        const auto& t = kCrc.t;
        const unsigned x = t[15][(crc ^ b[0]) & 0xFF] ^ t[14][((crc >> 8) ^ b[1]) & 0xFF] ^ t[13][b[2]] ^ t[12][b[3]] ^
                           t[11][b[4]] ^ t[10][b[5]] ^ t[9][b[6]] ^ t[8][b[7]];
        const unsigned y =
            t[7][b[8]] ^ t[6][b[9]] ^ t[5][b[10]] ^ t[4][b[11]] ^ t[3][b[12]] ^ t[2][b[13]] ^ t[1][b[14]] ^ t[0][b[15]];
        crc = static_cast<std::uint16_t>(x ^ y);
    }
    for (; i < size; ++i)
        crc = static_cast<std::uint16_t>((crc >> 8) ^ kCrc.t[0][(crc ^ data[i]) & 0xFF]);
    return crc;
}

#if defined(__x86_64__)
// x^n mod P for the CRC's polynomial P = x^16 + x^15 + x^2 + 1, bit-reflected
// into the top sixteen bits of a 64-bit word, as carry-less products of
// reflected operands want it.
constexpr std::uint64_t reflectedPowerOfX(int n)
{
    std::uint32_t r = 1;
    for (int i = 0; i < n; ++i) {
        r <<= 1;
        if ((r & 0x10000) != 0)
            r ^= 0x18005;
    }
    std::uint64_t out = 0;
    for (int e = 0; e < 16; ++e)
        if ((r >> e) & 1)
            out |= std::uint64_t{1} << (63 - e);
    return out;
}

// Folds sixteen bytes at a time with carry-less multiplication: a block of
// 128 bits standing 128 bits before the next is worth its two halves times
// x^192 and x^128 (each taken one lower, as reflected products come out one
// bit short). What is left is sixteen bytes with the same checksum.
__attribute__((target("pclmul,sse4.1"))) std::uint16_t foldedCrc(std::uint16_t crc, const unsigned char* data,
                                                                 std::size_t size)
{
    const __m128i constants =
        _mm_set_epi64x(static_cast<long long>(reflectedPowerOfX(127)), static_cast<long long>(reflectedPowerOfX(191)));
    __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data));
    x = _mm_xor_si128(x, _mm_cvtsi32_si128(crc));
    std::size_t i = 16;
    for (; i + 16 <= size; i += 16) {
        const __m128i low = _mm_clmulepi64_si128(x, constants, 0x00);
        const __m128i high = _mm_clmulepi64_si128(x, constants, 0x11);
        const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
        x = _mm_xor_si128(_mm_xor_si128(low, high), next);
    }
    alignas(16) unsigned char rest[16];
    _mm_store_si128(reinterpret_cast<__m128i*>(rest), x);
    return tableCrc(tableCrc(0, rest, 16), data + i, size - i);
}

bool canFold()
{
    static const bool supported = __builtin_cpu_supports("pclmul") && __builtin_cpu_supports("sse4.1");
    return supported;
}
#endif

}  // namespace

std::uint16_t fitCrc(std::uint16_t crc, const unsigned char* data, std::size_t size)
{
#if defined(__x86_64__)
    if (size >= 32 && canFold())
        return foldedCrc(crc, data, size);
#endif
    return tableCrc(crc, data, size);
}

bool looksLikeFit(const unsigned char* data, std::size_t size)
{
    return size >= 12 && data[0] >= 12 && std::memcmp(data + 8, ".FIT", 4) == 0;
}

std::string fitSportName(unsigned sport)
{
    if (sport < kSportNames.size() && kSportNames[sport] != nullptr)
        return kSportNames[sport];
    return "sport " + std::to_string(sport);
}

FileSummaries readFit(const unsigned char* data, std::size_t size)
{
    FileSummaries result;
    Collected found;
    // Several FIT files may follow one another in one (chained files).
    std::size_t at = 0;
    while (at < size) {
        const std::size_t left = size - at;
        // Bytes after a complete file that start no other one are left alone.
        if (at > 0 && (left < 12 || std::memcmp(data + at + 8, ".FIT", 4) != 0))
            break;
        if (left < 12 || data[at] < 12 || std::memcmp(data + at + 8, ".FIT", 4) != 0) {
            result.error = left < 12 && at > 0 ? importmsg::kFitCutShort : importmsg::kFitBadHeader;
            return result;
        }
        const std::size_t headerSize = data[at];
        if (left < headerSize) {
            result.error = importmsg::kFitCutShort;
            return result;
        }
        if (headerSize >= 14) {
            const std::uint16_t headerCrc = static_cast<std::uint16_t>(data[at + 12] | (data[at + 13] << 8));
            if (kCheckCrc && headerCrc != 0 && headerCrc != fitCrc(0, data + at, 12)) {
                result.error = importmsg::kFitBadCrc;
                return result;
            }
        }
        const std::uint64_t dataSize = readUnsigned(data + at + 4, 4, false);
        if (dataSize + 2 > left - headerSize) {
            result.error = importmsg::kFitCutShort;
            return result;
        }
        const std::size_t end = at + headerSize + static_cast<std::size_t>(dataSize);
        const std::uint16_t fileCrc = static_cast<std::uint16_t>(data[end] | (data[end + 1] << 8));
        if (kCheckCrc && fileCrc != fitCrc(0, data + at, end - at)) {
            result.error = importmsg::kFitBadCrc;
            return result;
        }
        if (const char* error = readRecords(data + at + headerSize, data + end, found)) {
            result.error = error;
            return result;
        }
        at = end + 2;
    }

    std::vector<WorkoutSummary>& workouts = result.workouts;
    if (!found.sessions.empty())
        workouts = std::move(found.sessions);
    else if (!found.laps.empty())
        workouts.push_back(lapsTogether(found.laps));
    if (workouts.empty()) {
        result.error = importmsg::kNoWorkout;
        return result;
    }
    for (WorkoutSummary& workout : workouts) {
        if (workout.sport.empty())
            workout.sport = fitSportName(found.sportOfFile.value_or(0));
        if (found.localOffset) {
            // The watch's own clock: its local time of the start.
            const std::int64_t local = *workout.utcStart + *found.localOffset;
            workout.localStart = civilTimeOf(local);
        }
        workout.name = found.workoutName;
    }
    return result;
}
