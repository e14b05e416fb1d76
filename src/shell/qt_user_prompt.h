#pragma once

#include <QPointer>
#include <QWidget>

#include "log/user_prompt.h"

// Message boxes owned by the main window, the file dialogs and the wait cursor.
class QtUserPrompt : public UserPrompt {
public:
    void setOwner(QWidget* owner) { m_owner = owner; }

    Answer message(const std::string& caption, const std::string& text, Icon icon, Buttons buttons,
                   Answer defaultAnswer) override;
    std::optional<std::string> saveFileName(const FileQuestion& question) override;
    std::optional<std::string> openFileName(const FileQuestion& question) override;
    std::vector<std::string> openFileNames(const FileQuestion& question) override;
    void busy(bool on) override;
    bool shiftHeld() const override;

private:
    QPointer<QWidget> m_owner;
};

// Texts are 8-bit bytes as in the file; the window shows them as Latin-1.
QString fromLatin1(std::string_view text);
std::string toLatin1(const QString& text);
