#pragma once

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "install/logic/installer_flow.h"
#include "scripted_prompt.h"
#include "temp_dir.h"

// Answers the installer's windows from a script and records what they were asked.
class ScriptedInstallerUi : public InstallerUi, public CopyProgress {
public:
    std::optional<std::string> folderAnswer;
    NextStep nextStep = NextStep::Neither;

    std::vector<std::string> proposed;
    std::vector<std::string> filesShown;
    int progressOpened = 0;
    int progressClosed = 0;
    int nextStepAsked = 0;
    std::vector<std::string> opened;
    std::vector<std::pair<std::string, std::string>> started;

    std::optional<std::string> askInstallFolder(const std::string& folder) override
    {
        proposed.push_back(folder);
        return folderAnswer;
    }
    CopyProgress& openProgress() override
    {
        ++progressOpened;
        return *this;
    }
    void closeProgress() override { ++progressClosed; }
    NextStep askNextStep() override
    {
        ++nextStepAsked;
        return nextStep;
    }
    void openDocument(const std::string& path) override { opened.push_back(path); }
    void startProgram(const std::string& path, const std::string& folder) override
    {
        started.push_back({path, folder});
    }
    void showFile(const std::string& path) override { filesShown.push_back(path); }
    void waitMs(int) override {}
};

// A home of its own, with the XDG folders inside it, for each test.
class InstallerHome {
public:
    InstallerHome()
    {
        ::setenv("HOME", dir.path().c_str(), 1);
        ::setenv("XDG_DATA_HOME", dir.file("data").c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", dir.file("config").c_str(), 1);
    }
    std::string data(const std::string& below) const { return dir.file("data/" + below); }
    std::string config(const std::string& below) const { return dir.file("config/" + below); }

    TempDir dir;
};

inline void makeFile(const std::string& path, const std::string& bytes, unsigned mode = 0644)
{
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    writeFile(path, bytes);
    ::chmod(path.c_str(), mode);
}
