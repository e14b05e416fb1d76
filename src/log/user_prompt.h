#pragma once

#include <optional>
#include <string>
#include <vector>

// Everything the program asks or tells the user goes through here, so that
// tests can answer and the command-line tool can print.
class UserPrompt {
public:
    enum class Icon { None, Information, Warning, Question, Error };
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
    enum class Answer { Ok, Cancel, Yes, No };
    enum class FileFilter { Logs, WebPages, All, Workouts };

    struct FileQuestion {
        std::string title;
        std::string proposedName;
        std::string initialFolder;
        FileFilter filter = FileFilter::Logs;
    };

    virtual ~UserPrompt() = default;

    virtual Answer message(const std::string& caption, const std::string& text, Icon icon = Icon::Information,
                           Buttons buttons = Buttons::Ok, Answer defaultAnswer = Answer::Ok) = 0;
    // The chosen path, or nothing when cancelled.
    virtual std::optional<std::string> saveFileName(const FileQuestion& question) = 0;
    virtual std::optional<std::string> openFileName(const FileQuestion& question) = 0;
    // Several files at once (File > Import); by default the one openFileName gives.
    virtual std::vector<std::string> openFileNames(const FileQuestion& question)
    {
        std::optional<std::string> one = openFileName(question);
        return one ? std::vector<std::string>{*one} : std::vector<std::string>{};
    }
    virtual void busy(bool on) = 0;
    // Whether the Shift key is held: rejected lines are then shown one by one.
    virtual bool shiftHeld() const { return false; }
};

// Shows the busy cursor for as long as it lives.
class BusyScope {
public:
    explicit BusyScope(UserPrompt& prompt) : m_prompt(prompt) { m_prompt.busy(true); }
    ~BusyScope() { m_prompt.busy(false); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    UserPrompt& m_prompt;
};
