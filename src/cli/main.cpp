#include <clocale>
#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

#include "cli.h"
#include "paths.h"

int main(int argc, char** argv)
{
    // Month names may follow the user's locale; numbers in a log never do.
    std::setlocale(LC_ALL, "");
    std::setlocale(LC_NUMERIC, "C");
    // Past the file-size limit a write fails with EFBIG, which a save reports
    // and survives; the signal would end the tool without a word.
    std::signal(SIGXFSZ, SIG_IGN);
    std::vector<std::string> args(argv + 1, argv + argc);
    return runCli(args, CliStreams{stdout, stderr}, currentDirectory());
}
