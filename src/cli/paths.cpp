#include "paths.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <vector>

namespace {

// The steps of a path after removing "." and resolving "..", by spelling.
void appendSteps(std::string_view path, std::vector<std::string_view>& steps)
{
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find('/', start);
        if (end == std::string_view::npos)
            end = path.size();
        std::string_view step = path.substr(start, end - start);
        if (step == "..") {
            if (!steps.empty())
                steps.pop_back();
        } else if (!step.empty() && step != ".") {
            steps.push_back(step);
        }
        start = end + 1;
    }
}

}  // namespace

std::string absolutePath(std::string_view path, std::string_view currentDir)
{
    std::vector<std::string_view> steps;
    if (path.empty() || path.front() != '/')
        appendSteps(currentDir, steps);
    appendSteps(path, steps);
    if (steps.empty())
        return "/";
    std::string result;
    for (std::string_view step : steps) {
        result += '/';
        result += step;
    }
    return result;
}

std::string currentDirectory()
{
    std::vector<char> buffer(PATH_MAX);
    while (::getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE)
            return {};
        buffer.resize(buffer.size() * 2);
    }
    return std::string(buffer.data());
}

bool sameFile(const std::string& a, const std::string& b)
{
    struct stat first {};
    struct stat second {};
    if (::stat(a.c_str(), &first) != 0 || ::stat(b.c_str(), &second) != 0)
        return false;
    return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

bool fileExists(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}
