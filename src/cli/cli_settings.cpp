#include "cli_settings.h"

#include <cstdlib>

namespace {

constexpr const char* kSettingsFile = "/Halvery Software/The Orvanta.ini";

std::string environmentValue(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr ? std::string(value) : std::string();
}

}  // namespace

std::string userSettingsPath()
{
    // As for any XDG folder, a relative value is not trusted.
    std::string config = environmentValue("XDG_CONFIG_HOME");
    if (!config.empty() && config.front() == '/')
        return config + kSettingsFile;
    std::string home = environmentValue("HOME");
    if (home.empty())
        return {};
    return home + "/.config" + kSettingsFile;
}

std::unique_ptr<SettingsStore> openUserSettings()
{
    return std::make_unique<ReadOnlySettings>(std::make_unique<MemorySettingsStore>());
}
