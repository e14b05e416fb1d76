#pragma once

#include "log/user_prompt.h"

// The installer's questions and warnings as message boxes. It has no main
// window, so they stand alone.
class InstallerPrompt : public UserPrompt {
public:
    Answer message(const std::string& caption, const std::string& text, Icon icon, Buttons buttons,
                   Answer defaultAnswer) override;
    // The installer asks for no files.
    std::optional<std::string> saveFileName(const FileQuestion&) override { return std::nullopt; }
    std::optional<std::string> openFileName(const FileQuestion&) override { return std::nullopt; }
    void busy(bool) override {}
};
