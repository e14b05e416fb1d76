#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "log/user_prompt.h"

// A UserPrompt for tests: records every message and answers from queues.
// A question that no test queued an answer for is a failure: tests must say
// what they expect the user to be asked.
class ScriptedPrompt : public UserPrompt {
public:
    struct Shown {
        std::string caption;
        std::string text;
        Icon icon;
        Buttons buttons;
        Answer defaultAnswer;  // the button Enter would press
    };

    std::vector<Shown> shown;
    std::deque<Answer> answers;
    std::deque<std::optional<std::string>> saveNames;
    std::deque<std::optional<std::string>> openNames;
    std::vector<FileQuestion> fileQuestions;
    std::vector<std::string> unexpected;
    int busyDepth = 0;
    int busyCalls = 0;
    bool shift = false;

    Answer message(const std::string& caption, const std::string& text, Icon icon, Buttons buttons,
                   Answer defaultAnswer) override
    {
        shown.push_back({caption, text, icon, buttons, defaultAnswer});
        if (buttons == Buttons::Ok)
            return Answer::Ok;
        if (answers.empty()) {
            unexpected.push_back(caption + ": " + text);
            return defaultAnswer;
        }
        Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    std::optional<std::string> saveFileName(const FileQuestion& q) override { return next(saveNames, q); }
    std::optional<std::string> openFileName(const FileQuestion& q) override { return next(openNames, q); }
    void busy(bool on) override
    {
        busyDepth += on ? 1 : -1;
        ++busyCalls;
    }
    bool shiftHeld() const override { return shift; }

    // "CAPTION: TEXT" of every message, in order.
    std::vector<std::string> lines() const
    {
        std::vector<std::string> out;
        for (const auto& s : shown)
            out.push_back(s.caption + ": " + s.text);
        return out;
    }

private:
    std::optional<std::string> next(std::deque<std::optional<std::string>>& q, const FileQuestion& question)
    {
        fileQuestions.push_back(question);
        if (q.empty()) {
            unexpected.push_back("file question: " + question.title);
            return std::nullopt;
        }
        auto v = q.front();
        q.pop_front();
        return v;
    }
};
