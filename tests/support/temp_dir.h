#pragma once

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

// A fresh folder per test, removed afterwards.
class TempDir {
public:
    TempDir()
    {
        std::string pattern = "/tmp/orvanta-test-XXXXXX";
        char* made = ::mkdtemp(pattern.data());
        m_path = made ? made : "/tmp";
    }
    ~TempDir()
    {
        std::string command = "rm -rf '" + m_path + "'";
        [[maybe_unused]] int rc = std::system(command.c_str());
    }
    const std::string& path() const { return m_path; }
    std::string file(const std::string& name) const { return m_path + "/" + name; }

private:
    std::string m_path;
};

inline void writeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

inline std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}
