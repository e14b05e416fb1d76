#pragma once

#include <memory>
#include <string>

#include "log/settings_store.h"

// The command line reads the user's settings but never writes them (so a
// save from the command line never sets "Default Log"): writes are dropped.
class ReadOnlySettings : public SettingsStore {
public:
    explicit ReadOnlySettings(std::unique_ptr<SettingsStore> source) : m_source(std::move(source)) {}

    bool exists() const override { return m_source->exists(); }
    std::optional<std::string> readString(const std::string& name) const override { return m_source->readString(name); }
    std::optional<std::int32_t> readInt(const std::string& name) const override { return m_source->readInt(name); }
    void writeString(const std::string&, const std::string&) override {}
    void writeInt(const std::string&, std::int32_t) override {}

private:
    std::unique_ptr<SettingsStore> m_source;
};

// Where the desktop program keeps the settings: "Halvery Software/The
// Orvanta.ini" in $XDG_CONFIG_HOME, or in ~/.config when that is not set;
// section [Windows]. Empty when neither variable names a folder.
std::string userSettingsPath();

// The settings the commands see: the values of userSettingsPath(), read only
// (an empty store where the tool was built without Qt's settings reader).
std::unique_ptr<SettingsStore> openUserSettings();
