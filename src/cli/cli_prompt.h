#pragma once

#include <cstdio>
#include <optional>
#include <string>

#include "log/user_prompt.h"

// The command line's side of the prompt seam: every message becomes one line
// "CAPTION: TEXT" on the given stream, and nobody is there to answer, so the
// questions are settled by fixed rules.
class CliPrompt : public UserPrompt {
public:
    explicit CliPrompt(std::FILE* stream) : m_stream(stream) {}

    // The Start Menu question is answered No; every other question takes its
    // default button, which is the safe one for anything that destroys data.
    Answer message(const std::string& caption, const std::string& text, Icon icon, Buttons buttons,
                   Answer defaultAnswer) override;
    // No file dialog can be shown: each one is cancelled.
    std::optional<std::string> saveFileName(const FileQuestion& question) override;
    std::optional<std::string> openFileName(const FileQuestion& question) override;
    void busy(bool on) override;

private:
    std::FILE* m_stream;
};

// "CAPTION: TEXT" on one line: line breaks inside the text become blanks.
std::string messageLine(const std::string& caption, const std::string& text);
