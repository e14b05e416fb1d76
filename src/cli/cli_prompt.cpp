#include "cli_prompt.h"

#include "log/messages.h"

std::string messageLine(const std::string& caption, const std::string& text)
{
    std::string line = caption + ": " + text;
    for (char& c : line) {
        if (c == '\r' || c == '\n')
            c = ' ';
    }
    return line;
}

UserPrompt::Answer CliPrompt::message(const std::string& caption, const std::string& text, Icon /*icon*/,
                                      Buttons buttons, Answer defaultAnswer)
{
    std::string line = messageLine(caption, text) + '\n';
    std::fwrite(line.data(), 1, line.size(), m_stream);
    std::fflush(m_stream);
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    if (text == msg::kAddToStartMenu)
        return Answer::No;
    return defaultAnswer;
}

std::optional<std::string> CliPrompt::saveFileName(const FileQuestion& /*question*/)
{
    return std::nullopt;
}

std::optional<std::string> CliPrompt::openFileName(const FileQuestion& /*question*/)
{
    return std::nullopt;
}

void CliPrompt::busy(bool /*on*/) {}
