#include "shell/early_log_read.h"

#include <utility>

// Keeps every message of a reading for later. The reading asks whether Shift
// is held before showing a rejected line; that is answered yes here and the
// line's message marked, so that whether Shift is held is asked when the
// messages are shown, by the window's own thread.
class EarlyLogRead::KeptMessages : public UserPrompt {
public:
    struct Kept {
        std::string caption;
        std::string text;
        Icon icon;
        Buttons buttons;
        Answer defaultAnswer;
        bool onlyWithShift;
    };

    Answer message(const std::string& caption, const std::string& text, Icon icon, Buttons buttons,
                   Answer defaultAnswer) override
    {
        kept.push_back(Kept{caption, text, icon, buttons, defaultAnswer, m_shiftAsked});
        m_shiftAsked = false;
        return buttons == Buttons::Ok ? Answer::Ok : defaultAnswer;
    }
    std::optional<std::string> saveFileName(const FileQuestion&) override { return std::nullopt; }
    std::optional<std::string> openFileName(const FileQuestion&) override { return std::nullopt; }
    void busy(bool) override {}
    bool shiftHeld() const override
    {
        m_shiftAsked = true;
        return true;
    }

    std::vector<Kept> kept;

private:
    mutable bool m_shiftAsked = false;
};

namespace {

// currentSport as no reading leaves it: a store that still holds it after
// reading had no sport looked up, and the window's own is kept.
constexpr std::uint16_t kSportNotLookedUp = 0xFFFF;

}  // namespace

EarlyLogRead::EarlyLogRead(const std::string& fileName, ReadOptions options)
    : m_store(std::make_unique<LogStore>()), m_messages(std::make_unique<KeptMessages>()),
      m_options(std::move(options))
{
    m_store->setFileName(fileName);
    m_store->currentSport = kSportNotLookedUp;
    m_thread = std::thread([this] {
        m_result = readLog(*m_store, *m_messages, m_options);
        m_done = true;
    });
}

EarlyLogRead::~EarlyLogRead()
{
    if (m_thread.joinable())
        m_thread.join();
}

ReadResult EarlyLogRead::finish(LogStore& store, UserPrompt& prompt)
{
    if (m_thread.joinable()) {
        if (m_done) {
            m_thread.join();
        } else {
            BusyScope busy(prompt);
            m_thread.join();
        }
    }
    const std::uint16_t formSport = store.currentSport;
    store.takeReadFrom(*m_store);
    if (store.currentSport == kSportNotLookedUp)
        store.currentSport = formSport;

    bool shiftAsked = false;
    bool shift = false;
    for (const KeptMessages::Kept& m : m_messages->kept) {
        if (m.onlyWithShift) {
            if (!shiftAsked)
                shift = prompt.shiftHeld();
            shiftAsked = true;
            if (!shift)
                continue;
        }
        prompt.message(m.caption, m.text, m.icon, m.buttons, m.defaultAnswer);
    }
    m_messages->kept.clear();
    return m_result;
}
