#include "command_line.h"

#include <filesystem>
#include <system_error>

namespace {

std::string lowerCase(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// The absolute form of the name, its spelling and case kept, so the title and
// every message show the file as the user knows it.
std::string absoluteForm(const std::string& name)
{
    std::error_code error;
    std::filesystem::path full = std::filesystem::absolute(name, error);
    if (error)
        return name;
    return full.lexically_normal().string();
}

}  // namespace

std::optional<std::string> logFromCommandLine(const std::string& commandLine)
{
    const std::size_t size = commandLine.size();
    if (size <= 5)
        return std::nullopt;
    // Only the end is tested: a second argument, trailing blanks or a quoted
    // name followed by anything else names no log.
    const std::string lower = lowerCase(commandLine);
    const bool quoted = lower.front() == '"';
    const std::string ending = quoted ? lower.substr(size - 5, 4) : lower.substr(size - 4);
    if (ending != ".dat")
        return std::nullopt;
    return absoluteForm(quoted ? commandLine.substr(1, size - 2) : commandLine);
}

std::string joinArguments(int argc, const char* const* argv)
{
    // A shell hands a quoted path with blanks over as one argument without
    // its quotes; quoting it again lets it pass the rule's quoted form.
    if (argc == 2 && std::string(argv[1]).find(' ') != std::string::npos)
        return std::string("\"") + argv[1] + "\"";
    std::string joined;
    for (int i = 1; i < argc; ++i) {
        if (i > 1)
            joined += ' ';
        joined += argv[i];
    }
    return joined;
}
