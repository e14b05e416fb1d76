// Any bytes split into lines and fields in one pass give what finding each
// line end and then each tab gives; short numbers and times read the short
// way give the floats of the long way; any line parses into an entry or a
// rejection.
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "log/line_scan.h"
#include "log/log_reader.h"
#include "values/time_value.h"
#include "values/units.h"

namespace {

class Silent : public UserPrompt {
public:
    Answer message(const std::string&, const std::string&, Icon, Buttons, Answer answer) override { return answer; }
    std::optional<std::string> saveFileName(const FileQuestion&) override { return std::nullopt; }
    std::optional<std::string> openFileName(const FileQuestion&) override { return std::nullopt; }
    void busy(bool) override {}
    bool shiftHeld() const override { return true; }
};

std::vector<std::string_view> fieldsByFind(std::string_view line)
{
    std::vector<std::string_view> fields;
    if (line.empty())
        return fields;
    std::size_t start = 0;
    for (int f = 0; f < LineFields::kMaxFields; ++f) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
        if (tab == std::string_view::npos)
            break;
        start = tab + 1;
    }
    return fields;
}

void check(bool holds)
{
    if (!holds)
        std::abort();
}

std::uint32_t bits(float value)
{
    std::uint32_t b = 0;
    std::memcpy(&b, &value, sizeof b);
    return b;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    std::string twoSteps = bytes;
    const std::vector<std::string_view> expected = splitLines(twoSteps);
    std::string onePass = bytes;
    LineSplitter lines(onePass);
    std::string_view line;
    LineFields fields;
    std::size_t count = 0;
    auto store = std::make_unique<LogStore>();
    store->sportCount = 2;
    store->sports[1].letter = 'R';
    store->sports[1].distanceUnits = DistanceUnit::Miles;
    store->sports[2].letter = 'B';
    store->sports[2].distanceUnits = DistanceUnit::Kilometers;
    Silent prompt;
    while (lines.next(line, fields)) {
        check(count < expected.size() && line == expected[count]);
        const std::vector<std::string_view> want = fieldsByFind(line);
        check(static_cast<std::size_t>(fields.count) == want.size());
        for (int f = 0; f < fields.count; ++f)
            check(fields[f] == want[static_cast<std::size_t>(f)]);
        check(fields.hasNul == (line.find('\0') != std::string_view::npos));
        check(fields.hasTab == (line.find('\t') != std::string_view::npos));
        LogEntry entry;
        bool badData = false;
        parseEntryLine(line, false, entry, badData, *store, prompt);
        ++count;
    }
    check(count == expected.size());

    const std::string_view text(bytes.data(), bytes.size() < 24 ? bytes.size() : 24);
    // A number read the short way is the float from_chars gives.
    if (!text.empty() && ((text[0] >= '0' && text[0] <= '9') || text[0] == '.')) {
        float wanted = 0.0f;
        if (std::from_chars(text.data(), text.data() + text.size(), wanted, std::chars_format::general).ec !=
            std::errc())
            wanted = 0.0f;
        check(bits(wanted) == bits(readNumber(text)));
    }
    // A stray point after a time changes nothing, and sends it the long way.
    if (!text.empty() && text.back() != '.') {
        const std::string longWay = std::string(text) + ".";
        check(bits(parseTime(text)) == bits(parseTime(std::string_view(longWay))));
    }
    return 0;
}
