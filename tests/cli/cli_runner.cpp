#include "cli_runner.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace fs = std::filesystem;

TempFolder::TempFolder()
{
    std::string pattern = (fs::canonical(fs::temp_directory_path()) / "orvanta-cli-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("can't make a temporary folder");
    m_root = pattern;
    m_work = m_root / "work";
    fs::create_directory(m_work);
    fs::create_directory(m_root / "streams");
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    fs::remove_all(m_root, ignored);
}

namespace {

// In the child: the streams to files, the folder changed, then the binary.
// Everything it needs was made before the fork.
[[noreturn]] void execInChild(char* const* argv, char* const* envp, const char* workDir, const char* outFile,
                              const char* errFile)
{
    int out = ::open(outFile, O_WRONLY | O_CREAT | O_TRUNC, 0600);
    int err = ::open(errFile, O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (out < 0 || err < 0 || ::dup2(out, 1) < 0 || ::dup2(err, 2) < 0 || ::chdir(workDir) != 0)
        ::_exit(127);
    ::execve(argv[0], argv, envp);
    ::_exit(127);
}

// The test's environment with the extra entries in place of any of the same name.
std::vector<std::string> childEnvironment(const std::vector<std::string>& extraEnv)
{
    std::vector<std::string> entries;
    for (char** e = environ; *e != nullptr; ++e) {
        std::string entry = *e;
        std::string name = entry.substr(0, entry.find('=') + 1);
        bool replaced = false;
        for (const std::string& extra : extraEnv)
            replaced = replaced || extra.compare(0, name.size(), name) == 0;
        if (!replaced)
            entries.push_back(entry);
    }
    entries.insert(entries.end(), extraEnv.begin(), extraEnv.end());
    return entries;
}

std::vector<char*> pointers(std::vector<std::string>& words)
{
    std::vector<char*> result;
    for (std::string& word : words)
        result.push_back(word.data());
    result.push_back(nullptr);
    return result;
}

}  // namespace

CliResult runOrvanta(const std::vector<std::string>& args, const fs::path& workDir,
                     const std::vector<std::string>& extraEnv, const fs::path& stdoutPath)
{
    fs::path streams = workDir.parent_path() / "streams";
    fs::path outFile = stdoutPath.empty() ? streams / "stdout" : stdoutPath;
    fs::path errFile = streams / "stderr";
    std::vector<std::string> words = args;
    words.insert(words.begin(), ORV_CLI_BINARY);
    std::vector<char*> argv = pointers(words);
    std::vector<std::string> environment = childEnvironment(extraEnv);
    std::vector<char*> envp = pointers(environment);
    pid_t child = ::fork();
    if (child < 0)
        throw std::runtime_error("fork failed");
    if (child == 0)
        execInChild(argv.data(), envp.data(), workDir.c_str(), outFile.c_str(), errFile.c_str());
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
        if (errno != EINTR)
            throw std::runtime_error("waitpid failed");
    }
    CliResult result;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    if (stdoutPath.empty())
        result.out = readBytes(outFile);
    result.err = readBytes(errFile);
    return result;
}

std::string readBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeBytes(const fs::path& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("can't write " + path.string());
}

fs::path copyFixture(const std::string& fixture, const fs::path& folder, const std::string& name)
{
    fs::path target = folder / name;
    fs::copy_file(fs::path(ORV_TEST_DATA_DIR) / fixture, target, fs::copy_options::overwrite_existing);
    return target;
}

std::string crlfLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

std::string lfLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}
