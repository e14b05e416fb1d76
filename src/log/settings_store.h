#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>

// The per-user store of named values (the program's own key). Strings and
// 32-bit integers, by name.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // Whether the program's key exists at all (it does once anything was written).
    virtual bool exists() const = 0;
    virtual std::optional<std::string> readString(const std::string& name) const = 0;
    virtual std::optional<std::int32_t> readInt(const std::string& name) const = 0;
    virtual void writeString(const std::string& name, const std::string& value) = 0;
    virtual void writeInt(const std::string& name, std::int32_t value) = 0;
};

// In memory: for tests, and for callers that must not touch the user's file.
class MemorySettingsStore : public SettingsStore {
public:
    bool keyExists = false;
    std::map<std::string, std::string> strings;
    std::map<std::string, std::int32_t> ints;

    bool exists() const override { return keyExists || !strings.empty() || !ints.empty(); }
    std::optional<std::string> readString(const std::string& name) const override
    {
        auto it = strings.find(name);
        if (it == strings.end())
            return std::nullopt;
        return it->second;
    }
    std::optional<std::int32_t> readInt(const std::string& name) const override
    {
        auto it = ints.find(name);
        if (it == ints.end())
            return std::nullopt;
        return it->second;
    }
    void writeString(const std::string& name, const std::string& value) override { strings[name] = value; }
    void writeInt(const std::string& name, std::int32_t value) override { ints[name] = value; }
};
