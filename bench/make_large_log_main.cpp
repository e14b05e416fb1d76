// orv_make_large_log PATH           writes the 10,000-entry log to PATH
// orv_make_large_log --check PATH   also reads it back and saves it again,
//                                   and fails unless that gives the same bytes

#include <cstdio>
#include <cstring>
#include <string>

#include "bench_support.h"
#include "make_large_log.h"

int main(int argc, char** argv)
{
    bool check = argc == 3 && std::strcmp(argv[1], "--check") == 0;
    if (argc != 2 + (check ? 1 : 0) || argv[argc - 1][0] == '-') {
        std::fprintf(stderr, "usage: orv_make_large_log [--check] PATH\n");
        return 2;
    }
    const std::string path = argv[argc - 1];
    if (!writeLargeLog(path)) {
        std::fprintf(stderr, "orv_make_large_log: cannot write %s\n", path.c_str());
        return 1;
    }
    if (check) {
        std::string problem = checkLargeLogRoundTrip(path, kLargeLogEntries);
        if (!problem.empty()) {
            std::fprintf(stderr, "orv_make_large_log: %s: %s\n", path.c_str(), problem.c_str());
            return 1;
        }
        std::printf("%s: %zu entries read, saved back unchanged\n", path.c_str(), kLargeLogEntries);
    }
    return 0;
}
