// Any text given to the CSV reader and its date and duration readers ends
// in a result, and a row count the text can hold.
#include <cstdlib>
#include <string_view>

#include "import/csv_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const FileSummaries read = readCsv(text);
    if (read.failed() == !read.workouts.empty() || read.workouts.size() > size)
        std::abort();
    looksLikeCsv(text);
    const std::string_view line = text.substr(0, 64);
    readDateText(line);
    if (const double seconds = secondsOfText(line); seconds < 0.0 && seconds != -1.0)
        std::abort();
    return 0;
}
