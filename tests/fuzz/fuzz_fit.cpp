// Any bytes given to the FIT decoder end in workouts or a reason, never both.
#include <cstdlib>

#include "import/fit_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    // The folded checksum must agree with the table one on any bytes.
    if (size > 1 && fitCrc(0, data, size) != fitCrc(fitCrc(0, data, 1), data + 1, size - 1))
        std::abort();
    const FileSummaries read = readFit(data, size);
    if (read.failed() == !read.workouts.empty())
        std::abort();
    for (const WorkoutSummary& workout : read.workouts)
        if (!workout.hasStart() || workout.seconds < 0.0 || workout.distance < 0.0)
            std::abort();
    return 0;
}
