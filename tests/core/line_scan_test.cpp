// One pass over a line finds its end and its fields together: the lines and
// fields it gives must be those of finding each line end and then each tab,
// whatever the bytes (tabs, CRs, NULs, lines longer than one step of the scan).

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "log/line_scan.h"
#include "log/log_reader.h"

namespace {

using Fields = std::vector<std::string>;

// The split an entry line has always had: each field up to the next tab, at
// most seven; an empty line has none.
Fields referenceFields(std::string_view line)
{
    Fields fields;
    if (line.empty())
        return fields;
    std::size_t start = 0;
    for (int f = 0; f < 7; ++f) {
        const std::size_t tab = line.find('\t', start);
        fields.emplace_back(line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
        if (tab == std::string_view::npos)
            break;
        start = tab + 1;
    }
    return fields;
}

Fields fieldsOf(const LineFields& fields)
{
    Fields out;
    for (int f = 0; f < fields.count; ++f)
        out.emplace_back(fields[f]);
    for (int f = fields.count; f < LineFields::kMaxFields; ++f)
        EXPECT_TRUE(fields[f].empty()) << "field " << f << " beyond the line's own";
    return out;
}

struct FieldRow {
    const char* name;
    std::string line;
    Fields fields;
    bool hasNul = false;
};

void PrintTo(const FieldRow& row, std::ostream* os)
{
    *os << row.name;
}

class SplitFieldsTable : public ::testing::TestWithParam<FieldRow> {};

TEST_P(SplitFieldsTable, splitsAtTabsAsAnEntryLineIsSplit)
{
    const FieldRow& row = GetParam();
    const LineFields fields = splitFields(row.line);
    EXPECT_EQ(row.fields, fieldsOf(fields));
    EXPECT_EQ(row.line.find('\t') != std::string::npos, fields.hasTab);
    EXPECT_EQ(row.hasNul, fields.hasNul);
}

const std::string kLong(40, 'x');  // longer than two steps of the scan taken together

INSTANTIATE_TEST_SUITE_P(
    Lines, SplitFieldsTable,
    ::testing::Values(FieldRow{"empty", "", {}}, FieldRow{"noTab", "03/21/02", {"03/21/02"}},
                      FieldRow{"sevenFields", "03/21/02\tTR\t5.2M\t45:30\t8:45\tRiver loop\tEasy day",
                               {"03/21/02", "TR", "5.2M", "45:30", "8:45", "River loop", "Easy day"}},
                      FieldRow{"endsInATab", "a\t", {"a", ""}},
                      FieldRow{"onlyTabs", "\t\t", {"", "", ""}},
                      FieldRow{"emptyFieldsBetween", "a\t\t\tb", {"a", "", "", "b"}},
                      FieldRow{"eighthFieldDropped", "1\t2\t3\t4\t5\t6\t7\t8\t9", {"1", "2", "3", "4", "5", "6", "7"}},
                      FieldRow{"seventhEndsAtATabAfterIt", "1\t2\t3\t4\t5\t6\t7\t", {"1", "2", "3", "4", "5", "6", "7"}},
                      FieldRow{"crAndLfAreOrdinaryBytes", "a\rb\tc\nd", {"a\rb", "c\nd"}},
                      FieldRow{"nulIsFoundAndKept", std::string("a\tb\0c", 5), {"a", std::string("b\0c", 3)}, true},
                      FieldRow{"nulAfterTheSeventhField", std::string("1\t2\t3\t4\t5\t6\t7\t\0", 15),
                               {"1", "2", "3", "4", "5", "6", "7"}, true},
                      FieldRow{"tabsBeyondSixteenBytes", kLong + "\t" + kLong + "\t" + kLong, {kLong, kLong, kLong}},
                      FieldRow{"tabOnAStepBoundary", std::string(15, 'a') + "\t" + std::string(16, 'b') + "\tc",
                               {std::string(15, 'a'), std::string(16, 'b'), "c"}},
                      FieldRow{"tabsAroundADoubleStep", std::string(31, 'a') + "\t\t" + std::string(29, 'b') + "\t",
                               {std::string(31, 'a'), "", std::string(29, 'b'), ""}}),
    [](const auto& info) { return std::string(info.param.name); });

// Every line and every field of a text, as the splitter gives them.
std::vector<Fields> splitAll(std::string text)
{
    std::vector<Fields> out;
    LineSplitter lines(text);
    std::string_view line;
    LineFields fields;
    while (lines.next(line, fields)) {
        Fields got = fieldsOf(fields);
        EXPECT_EQ(referenceFields(line), got) << "fields of the line itself";
        EXPECT_EQ(line.find('\0') != std::string_view::npos, fields.hasNul);
        out.push_back(got);
    }
    return out;
}

// The same with the line ends found first and the fields split afterwards.
std::vector<Fields> splitAllInTwoSteps(std::string text)
{
    std::vector<Fields> out;
    for (std::string_view line : splitLines(text))
        out.push_back(referenceFields(line));
    return out;
}

struct TextRow {
    const char* name;
    std::string text;
    std::vector<Fields> lines;
};

void PrintTo(const TextRow& row, std::ostream* os)
{
    *os << row.name;
}

class SplitLineFieldsTable : public ::testing::TestWithParam<TextRow> {};

TEST_P(SplitLineFieldsTable, givesTheLinesAndFieldsOfTwoSteps)
{
    const TextRow& row = GetParam();
    EXPECT_EQ(row.lines, splitAll(row.text));
    EXPECT_EQ(splitAllInTwoSteps(row.text), splitAll(row.text));
}

INSTANTIATE_TEST_SUITE_P(
    LineEnds, SplitLineFieldsTable,
    ::testing::Values(TextRow{"crlf", "a\tb\r\nc\r\n", {{"a", "b"}, {"c"}}},
                      TextRow{"lfOnly", "a\tb\nc", {{"a", "b"}, {"c"}}},
                      TextRow{"crOnly", "a\tb\rc\r", {{"a", "b"}, {"c"}}},
                      TextRow{"crInsideAFieldGoesWithLf", "a\tb\rc\t\rd\r\n", {{"a", "bc", "d"}}},
                      TextRow{"crBeforeTheLastLineEndGoes", "a\nb\t\r", {{"a"}, {"b", ""}}},
                      TextRow{"twoCrsBeforeLf", "a\tb\r\r\n", {{"a", "b"}}},
                      TextRow{"emptyLinesKept", "a\r\n\r\n\tb\r\n", {{"a"}, {}, {"", "b"}}},
                      TextRow{"lineLongerThanTheStep", kLong + "\t" + kLong + "\r\n" + kLong,
                              {{kLong, kLong}, {kLong}}},
                      TextRow{"lineEndOnAStepBoundary", std::string(15, 'a') + "\n" + std::string(15, 'b') + "\tc",
                              {{std::string(15, 'a')}, {std::string(15, 'b'), "c"}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SplitLineFields, aNulNeitherEndsALineNorSplitsIt)
{
    std::string text("a\tb", 3);
    text += '\0';
    text += "c\r\nd";
    EXPECT_EQ((std::vector<Fields>{{"a", std::string("b\0c", 3)}, {"d"}}), splitAll(text));
}

// Texts of the bytes that matter, at random lengths around the step of the
// scan: one pass must split them as the two steps do.
TEST(SplitLineFields, randomTextsSplitAsInTwoSteps)
{
    std::mt19937 random(20021);
    const char alphabet[] = {'a', 'b', '\t', '\r', '\n', '\0', '/', '0'};
    for (int round = 0; round < 3000; ++round) {
        std::string text(random() % 80, ' ');
        for (char& c : text)
            c = alphabet[random() % sizeof alphabet];
        ASSERT_EQ(splitAllInTwoSteps(text), splitAll(text)) << "round " << round;
    }
}

}  // namespace
