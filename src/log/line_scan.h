#pragma once

#include <cstddef>
#include <string_view>

// The tab-separated fields of one line, split as an entry line is: each
// field ends at the next tab, seven at most are kept (the seventh ends at a
// tab after it, if there is one), and a field the line lacks is empty.
struct LineFields {
    static constexpr int kMaxFields = 7;

    std::string_view fields[kMaxFields];
    int count = 0;         // the fields the line holds: its tabs plus one, at most seven; none for an empty line
    bool hasTab = false;   // whether the line holds a tab at all
    bool hasNul = false;   // whether it holds a NUL byte anywhere

    std::string_view operator[](int i) const { return fields[i]; }
};

// Splits a line that carries no line end of its own: a CR or a LF in it is
// an ordinary byte of its field.
LineFields splitFields(std::string_view line);

// What one pass over a line found: where it ends, its first tabs, its NULs
// and its CRs. The reader's line splitter and splitFields both take it.
struct LineScan {
    std::size_t stop = 0;       // the offset of the line end, or the size scanned when none came
    std::size_t tabs[LineFields::kMaxFields];
    int tabCount = 0;           // tabs before stop, counted up to kMaxFields
    int crCount = 0;            // CRs before stop (none can be when CR ends lines)
    std::size_t lastCr = 0;     // the offset of the last of them
    bool hasNul = false;
};

// Looks at text[0, size) once, up to the first byte equal to lineEnd ('\n'
// or '\r'); with lineEnd NUL no byte ends the line, as for splitFields.
LineScan scanLine(const char* text, std::size_t size, char lineEnd);

// The fields of text[0, length) from a scan of it whose tabs all stand
// before length.
void fieldsFromScan(const char* text, std::size_t length, const LineScan& scan, LineFields& fields);
