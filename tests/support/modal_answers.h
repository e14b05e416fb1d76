#pragma once

#include <QApplication>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

// Answers the next modal dialogs of type Dialog, one answer each, in order,
// as soon as each is up (the dialog runs its own event loop, in which the
// timer fires). Once this goes out of scope it answers nothing more.
template <typename Dialog>
class ModalAnswers {
public:
    explicit ModalAnswers(std::vector<std::function<void(Dialog*)>> answers) : m_state(std::make_shared<State>())
    {
        m_state->answers = std::move(answers);
        poll(m_state);
    }
    ~ModalAnswers() { m_state->stopped = true; }
    ModalAnswers(const ModalAnswers&) = delete;
    ModalAnswers& operator=(const ModalAnswers&) = delete;

    std::size_t answered() const { return m_state->next; }

private:
    struct State {
        std::vector<std::function<void(Dialog*)>> answers;
        std::size_t next = 0;
        bool stopped = false;
        int tries = 0;
    };

    static void poll(const std::shared_ptr<State>& state)
    {
        QTimer::singleShot(5, [state] {
            if (state->stopped || state->next >= state->answers.size() || ++state->tries > 2000)
                return;
            auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
            // Dialogs shown one after another may share an address: each is
            // marked once answered.
            if (dialog != nullptr && dialog->isVisible() && !dialog->property("orvAnswered").toBool()) {
                dialog->setProperty("orvAnswered", true);
                state->answers[state->next++](dialog);
            }
            poll(state);
        });
    }

    std::shared_ptr<State> m_state;
};
