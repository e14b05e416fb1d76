#include "make_large_log.h"

#include <cstdint>
#include <cstdio>
#include <string_view>

namespace {

// splitmix64: the same numbers on every platform and standard library, which
// std::uniform_int_distribution does not promise.
class Random {
public:
    explicit Random(std::uint64_t seed) : m_state(seed) {}

    std::uint64_t next()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // lo..hi, both included.
    int between(int lo, int hi) { return lo + static_cast<int>(next() % static_cast<std::uint64_t>(hi - lo + 1)); }
    bool percent(int p) { return between(0, 99) < p; }
    template <std::size_t N>
    const char* pick(const char* const (&items)[N])
    {
        return items[next() % N];
    }

private:
    std::uint64_t m_state;
};

struct Sport {
    const char* name;
    char letter;
    char unit;         // the distance unit letter, ' ' for none
    const char* pace;  // the pace unit name, three blanks for none
};

enum SportId { Running, Cycling, Swimming, Walking, Rowing, Strength, Nordic, SportCount };

constexpr Sport kSports[SportCount] = {
    {"Running", 'R', 'M', "mpm"},       {"Cycling", 'B', 'K', "kph"}, {"Swimming", 'S', 'Y', "   "},
    {"Walking", 'W', 'M', "mph"},       {"Rowing", 'O', 'm', "mpk"},  {"Strength", 'L', ' ', "   "},
    {"Nordic Skiing", 'N', 'K', "kph"},
};

constexpr const char* kRoutes[] = {
    "River loop\tTR\t5.2M\t\t\tRiver loop: boathouse, both bridges, back on the towpath\t\t",
    "Greenway\tTR\t6M\t\t\tGreenway out and back from the library\t\t",
    "Track 8 x 400\tIR\t5M\t\t\tTrack: 8 x 400 m at mile pace, 200 m jog\tHR=\t",
    "Hill repeats\tIR\t5.5M\t\t\tOak Street hill, 8 x 90 s up, jog down\t\t",
    "Long run\tTR\t14M\t\t\tLong route: river, greenway, Cedar Hill, back over the dam\tShoe \t",
    "Lake ride\tTB\t42K\t\t\tLake loop via Millbrook and the dam road\tElev=\t",
    "Club ride\tTB\t65K\t\t\tSaturday club ride from the bike shop\t\t",
    "Masters\tTS\t3000Y\t\t\tMasters swim, 25 yd pool\t\t",
    "Erg 5000\tTO\t5000m\t\t\tErg: 5000 m steady, rate 20\t\t",
    "Evening walk\tTW\t2.5M\t\t\tAround the park with the dog\t\t",
    "Circuit\tTL\t\t45:00\t\tCircuit: squats, deadlifts, rows, push-ups, planks\t\t",
    "Ski loop\tTN\t15K\t\t\tCross-country centre, blue loop twice\t\t",
};

constexpr const char* kKeywords[] = {
    "1\tHR\tAverage heart rate", "1\tWt\tBody weight",  "2\tElev\tElevation gain (ft)", "1\tTemp\tTemperature (F)",
    "1\tRPE\tPerceived effort",  "3\tShoe\tShoes worn", "3\tPR\tPersonal record",       "3\tSick\tFeeling ill",
};

constexpr const char* kRunRoutes[] = {
    "River loop",
    "Greenway out and back",
    "Neighborhood: Elm, Park Ave, Cedar Hill",
    "Cemetery hills",
    "Treadmill at the gym",
    "Long route: river, greenway, Cedar Hill, back over the dam",
    "Trail: Ridge Rd trailhead to the fire tower and back, muddy in the low parts",
};
constexpr const char* kIntervalRuns[] = {
    "Track: 8 x 400 m at mile pace, 200 m jog",
    "Track: 6 x 800 m at 5K pace, 400 m jog",
    "Oak Street hill, 8 x 90 s up, jog down",
    "Fartlek on the greenway: 10 x 1 min hard, 1 min easy",
    "Track: 3 x 1 mile at 10K pace, 3 min rest; 4 x 200 m strides",
};
constexpr const char* kRideRoutes[] = {
    "Lake loop via Millbrook and the dam road",
    "Rail trail to Fairview and back",
    "Hills west of town: Ridge Rd, Quarry Rd, down the Notch",
    "Commute",
    "Saturday club ride from the bike shop",
    "Trainer in the basement",
};
constexpr const char* kSwimRoutes[] = {
    "Masters swim, 25 yd pool",
    "Lap swim at the Y",
    "Lake swim, Sandy Point to the buoys",
    "Main set 10 x 100 on 1:45, pull 4 x 200",
};
constexpr const char* kWalkRoutes[] = {"Around the park with the dog", "To the market and back", "Beach road"};
constexpr const char* kRowRoutes[] = {"Erg: steady state, rate 20", "Erg: 4 x 1000 m, 3 min rest",
                                      "On the water, boathouse to the island"};
constexpr const char* kStrengthRoutes[] = {
    "Circuit: squats, deadlifts, rows, push-ups, planks",
    "Core and hips: bridges, clamshells, side planks",
    "Upper body: bench, pull-ups, shoulder press",
    "",
};
constexpr const char* kSkiRoutes[] = {"Cross-country centre, blue loop twice", "Golf course, fresh snow",
                                      "Red loop, skate"};

constexpr const char* kPhrases[] = {
    "Easy.",
    "Felt good.",
    "Legs heavy from the weekend.",
    "Windy on the bridge.",
    "Cold! Gloves and hat.",
    "Hot and humid, drank a lot.",
    "Ran with Dana, chatted the whole way.",
    "Slow start, better after the first half.",
    "Rain the whole way.",
    "Nice sunrise over the river.",
    "Left calf a bit tight.",
    "Negative split.",
    "Gel at the halfway point.",
    "Headwind home, of course.",
    "Flat tire, ten minutes to fix.",
    "Crowded lanes.",
    "Worked on form: short quick steps, relaxed shoulders.",
    "Stopped at the fountain in the park.",
    "Tired after a long day at work; cut it short.",
    "New route, will do it again.",
    "Group was fast today, hung on until the last climb and then let them go.",
    "Knee fine.",
    "Snow on the path, slow going.",
    "Felt like flying the last mile.",
    "Recovery, kept it honest.",
};
constexpr const char* kShoes[] = {"Pegasus", "Clifton", "Ghost", "Endorphin", "Kinvara"};

void appendTime(std::string& out, int seconds)
{
    char text[32];
    int h = seconds / 3600, m = seconds / 60 % 60, s = seconds % 60;
    if (h > 0)
        std::snprintf(text, sizeof text, "%d:%02d:%02d", h, m, s);
    else
        std::snprintf(text, sizeof text, "%d:%02d", m, s);
    out += text;
}

void appendTenths(std::string& out, int tenths)
{
    char text[32];
    if (tenths % 10 == 0)
        std::snprintf(text, sizeof text, "%d", tenths / 10);
    else
        std::snprintf(text, sizeof text, "%d.%d", tenths / 10, tenths % 10);
    out += text;
}

void appendDecimal(std::string& out, double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    out += text;
}

struct Day {
    int year, month, day;
};

bool isLeap(int y)
{
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

void nextDay(Day& d)
{
    static constexpr int kLength[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int length = kLength[d.month - 1] + (d.month == 2 && isLeap(d.year) ? 1 : 0);
    if (++d.day > length) {
        d.day = 1;
        if (++d.month > 12) {
            d.month = 1;
            ++d.year;
        }
    }
}

// The sport of one workout, weighted as one athlete's mix.
SportId pickSport(Random& random, int month)
{
    bool winter = month == 12 || month <= 2;
    int roll = random.between(0, 99);
    if (roll < 45)
        return Running;
    if (roll < 63)
        return winter ? Nordic : Cycling;
    if (roll < 74)
        return Swimming;
    if (roll < 82)
        return Walking;
    if (roll < 87)
        return Rowing;
    if (roll < 96)
        return Strength;
    return winter ? Nordic : Cycling;
}

// distance text, time text and pace text of one workout.
struct Numbers {
    std::string distance, time, pace;
};

Numbers makeNumbers(Random& random, SportId sport, char kind, const char*& route)
{
    Numbers n;
    int seconds = 0;
    double miles = 0;
    switch (sport) {
        case Running: {
            int distanceTenths = kind == 'I' ? random.between(40, 80) : random.between(20, 140);
            bool inKm = false;
            route = kind == 'I' ? random.pick(kIntervalRuns) : random.pick(kRunRoutes);
            if (kind == 'R') {
                static constexpr struct {
                    int tenths;
                    bool inKm;
                    const char* name;
                } kRaces[] = {{50, true, "Turkey Trot 5K"},
                              {100, true, "Riverfront 10K"},
                              {131, false, "Spring Half Marathon"},
                              {262, false, "Harbor City Marathon"}};
                const auto& race = kRaces[random.between(0, 3)];
                distanceTenths = race.tenths;
                inKm = race.inKm;
                route = race.name;
            }
            miles = inKm ? distanceTenths / 10.0 / 1.609344 : distanceTenths / 10.0;
            int secondsPerMile = kind == 'R' ? random.between(400, 520) : random.between(470, 650);
            seconds = static_cast<int>(miles * secondsPerMile);
            if (random.percent(3))
                n.distance += '~';
            appendTenths(n.distance, distanceTenths);
            n.distance += inKm ? 'K' : 'M';
            appendTime(n.pace, static_cast<int>(seconds / miles + 0.5));
            break;
        }
        case Cycling:
        case Nordic: {
            bool ride = sport == Cycling;
            int km10 = ride ? random.between(150, 1600) : random.between(50, 500);
            double kph = ride ? random.between(180, 340) / 10.0 : random.between(80, 180) / 10.0;
            seconds = static_cast<int>(km10 / 10.0 / kph * 3600);
            appendTenths(n.distance, km10);
            n.distance += 'K';
            appendDecimal(n.pace, km10 / 10.0 / (seconds / 3600.0));
            route = ride ? random.pick(kRideRoutes) : random.pick(kSkiRoutes);
            break;
        }
        case Swimming: {
            int yards = random.between(10, 80) * 50;
            seconds = yards / 100 * random.between(80, 150);
            n.distance = std::to_string(yards) + (random.percent(10) ? "m" : "Y");
            route = random.pick(kSwimRoutes);
            break;
        }
        case Walking: {
            int tenths = random.between(10, 80);
            double mph = random.between(28, 42) / 10.0;
            seconds = static_cast<int>(tenths / 10.0 / mph * 3600);
            appendTenths(n.distance, tenths);
            n.distance += 'M';
            appendDecimal(n.pace, tenths / 10.0 / (seconds / 3600.0));
            route = random.pick(kWalkRoutes);
            break;
        }
        case Rowing: {
            int meters = random.between(4, 24) * 500;
            int per500 = random.between(105, 135);
            seconds = meters / 500 * per500;
            n.distance = std::to_string(meters) + "m";
            appendTime(n.pace, per500 * 2);
            route = random.pick(kRowRoutes);
            break;
        }
        case Strength:
        default:
            seconds = random.between(4, 15) * 300;
            route = random.pick(kStrengthRoutes);
            break;
    }
    appendTime(n.time, seconds);
    return n;
}

void appendComment(std::string& out, Random& random, SportId sport, char kind, int day)
{
    const std::size_t start = out.size();
    // Mostly short notes; now and then a long story.
    int phrases = random.percent(15) ? 0 : random.between(0, random.percent(10) ? 12 : 3);
    char text[64];
    for (int i = 0; i < phrases; ++i) {
        std::string_view phrase = random.pick(kPhrases);
        if (out.size() - start + phrase.size() + 1 > 440)
            break;
        if (out.size() > start)
            out += ' ';
        out += phrase;
    }
    auto add = [&](const char* value) {
        if (out.size() > start)
            out += ' ';
        out += value;
    };
    if (sport != Strength && random.percent(45)) {
        std::snprintf(text, sizeof text, "HR=%d", random.between(120, 175));
        add(text);
    }
    if ((sport == Running || sport == Cycling) && random.percent(20)) {
        std::snprintf(text, sizeof text, "Elev=%d", random.between(50, 4000));
        add(text);
    }
    if (random.percent(10)) {
        std::snprintf(text, sizeof text, "Wt=%d.%d", 150 + day / 700 % 12, random.between(0, 9));
        add(text);
    }
    if (random.percent(15)) {
        std::snprintf(text, sizeof text, "Temp=%d RPE=%d", random.between(10, 95), random.between(2, 9));
        add(text);
    }
    if (sport == Running && random.percent(30)) {
        std::snprintf(text, sizeof text, "Shoe %s", kShoes[day / 400 % 5]);
        add(text);
    }
    if (kind == 'R' && random.percent(30))
        add("PR");
    if (random.percent(1))
        add("Sick");
}

void appendEntry(std::string& out, Random& random, const Day& date, int dayNumber)
{
    char text[32];
    SportId sport = pickSport(random, date.month);
    char kind = 'T';
    if (sport != Strength && sport != Walking) {
        int roll = random.between(0, 99);
        kind = roll < 4 ? 'R' : (roll < 14 && sport != Nordic ? 'I' : 'T');
    }
    const char* route = "";
    Numbers n = makeNumbers(random, sport, kind, route);

    std::snprintf(text, sizeof text, "%02d/%02d/%02d\t%c%c\t", date.month, date.day, date.year % 100, kind,
                  kSports[sport].letter);
    out += text;
    out += n.distance;
    out += '\t';
    out += n.time;
    out += '\t';
    out += n.pace;
    out += '\t';
    out += route;
    if (random.percent(5))
        out += ", then 2 miles cool-down on the greenway with strides";
    out += '\t';
    appendComment(out, random, sport, kind, dayNumber);
    out += "\r\n";
}

}  // namespace

std::string largeLogText(std::size_t entryCount)
{
    Random random(0x4F52564Eu + entryCount);
    std::string out;
    out.reserve(entryCount * 140 + 4096);
    char text[64];

    std::snprintf(text, sizeof text, "Sports List: %d\r\n", static_cast<int>(SportCount));
    out += text;
    for (const Sport& s : kSports) {
        out += s.name;
        out += '\t';
        out += s.letter;
        out += s.unit;
        out += s.pace;
        out += "\r\n";
    }
    out += "Preferences: 1  1  1  1  1  1  0\r\n";
    std::snprintf(text, sizeof text, "Routes: %d\r\n", static_cast<int>(std::size(kRoutes)));
    out += text;
    for (const char* route : kRoutes) {
        out += route;
        out += "\r\n";
    }
    std::snprintf(text, sizeof text, "Keywords: %d\r\n", static_cast<int>(std::size(kKeywords)));
    out += text;
    for (const char* keyword : kKeywords) {
        out += keyword;
        out += "\r\n";
    }

    // From 1 January 2000, 0 to 3 workouts a day: about 24 years for 10,000.
    Day date{2000, 1, 1};
    std::size_t written = 0;
    for (int dayNumber = 0; written < entryCount; ++dayNumber, nextDay(date)) {
        int roll = random.between(0, 99);
        int workouts = roll < 20 ? 0 : roll < 70 ? 1 : roll < 95 ? 2 : 3;
        for (int i = 0; i < workouts && written < entryCount; ++i, ++written)
            appendEntry(out, random, date, dayNumber);
    }
    return out;
}

bool writeLargeLog(const std::string& path, std::size_t entryCount)
{
    const std::string text = largeLogText(entryCount);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    bool ok = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    ok = std::fclose(file) == 0 && ok;
    return ok;
}
