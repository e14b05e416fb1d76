#include "cli_prompt.h"

#include "log/messages.h"
#include "values/latin1_text.h"

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
    // A message may quote the log's own texts (Latin-1) or name a file by a
    // path given on the command line (UTF-8): what is not UTF-8 already is
    // taken as Latin-1.
    std::string line = messageLine(caption, text);
    if (!isUtf8(line))
        line = latin1ToUtf8(line);
    line += '\n';
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
