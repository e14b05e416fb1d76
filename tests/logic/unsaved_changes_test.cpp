// Leaving a log with unsaved changes: saved without asking, or asked about
// with Yes, No and Cancel, by the log's closeAction preference.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "log/log_writer.h"
#include "log/settings_store.h"
#include "scripted_prompt.h"
#include "shell/logic/app_settings.h"
#include "shell/logic/unsaved_changes.h"

namespace fs = std::filesystem;

namespace {

std::string readBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

struct LeaveRow {
    const char* name;
    int closeAction;
    bool modified;
    bool folderMissing;                        // the log's folder is gone: the save fails
    std::optional<UserPrompt::Answer> answer;  // the answer to the question, when it is asked
    bool mayGoOn;
    bool saved;
};

// Failures name the row.
void PrintTo(const LeaveRow& row, std::ostream* out)
{
    *out << row.name;
}

class OfferToSave : public ::testing::TestWithParam<LeaveRow> {
protected:
    void SetUp() override
    {
        std::string pattern = ::testing::TempDir() + "orvleave-XXXXXX";
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        m_dir = pattern;
    }
    void TearDown() override
    {
        std::error_code ignored;
        fs::remove_all(m_dir, ignored);
    }

    fs::path m_dir;
};

TEST_P(OfferToSave, savesAsksOrLetsGo)
{
    const LeaveRow& row = GetParam();
    auto store = std::make_unique<LogStore>();
    const fs::path log = (row.folderMissing ? m_dir / "gone" : m_dir) / "run.dat";
    store->setFileName(log.string());
    store->modified = row.modified;
    store->preferences.values[0] = row.closeAction;
    ScriptedPrompt prompt;
    if (row.answer)
        prompt.answers.push_back(*row.answer);
    MemorySettingsStore settings;
    SaveContext context{prompt, settings, {}};

    const bool mayGoOn = offerToSave(*store, context);

    EXPECT_EQ(row.mayGoOn, mayGoOn);
    EXPECT_EQ(std::vector<std::string>{}, prompt.unexpected);
    EXPECT_TRUE(prompt.answers.empty()) << "the question was not asked";
    EXPECT_EQ(row.saved, fs::exists(log));
    if (row.saved) {
        EXPECT_EQ(composeLog(*store, false, SaveFormat::CompleteLog, ""), readBytes(log));
    }
    EXPECT_EQ(row.modified && !row.saved, store->modified);

    std::vector<std::string> expected;
    if (row.answer)
        expected.push_back(std::string("Orvanta: ") + kUnsavedChangesQuestion);
    if (row.folderMissing && (!row.answer || *row.answer == UserPrompt::Answer::Yes))
        expected.push_back("Orvanta: Problem trying to create or write to file \"" + log.string() +
                           "\": system error# 2");
    EXPECT_EQ(expected, prompt.lines());
    if (row.answer) {
        ASSERT_FALSE(prompt.shown.empty());
        EXPECT_EQ(UserPrompt::Icon::Question, prompt.shown.front().icon);
        EXPECT_EQ(UserPrompt::Buttons::YesNoCancel, prompt.shown.front().buttons);
    }
}

using A = UserPrompt::Answer;

INSTANTIATE_TEST_SUITE_P(Leaving, OfferToSave,
                         ::testing::Values(LeaveRow{"unmodifiedAutomatic", 1, false, false, std::nullopt, true, false},
                                           LeaveRow{"unmodifiedConfirming", 2, false, false, std::nullopt, true, false},
                                           LeaveRow{"automaticSavesWithoutAsking", 1, true, false, std::nullopt, true,
                                                    true},
                                           LeaveRow{"automaticSaveFails", 1, true, true, std::nullopt, false, false},
                                           LeaveRow{"confirmYesSaves", 2, true, false, A::Yes, true, true},
                                           LeaveRow{"confirmNoGoesOnUnsaved", 2, true, false, A::No, true, false},
                                           LeaveRow{"confirmCancelStays", 2, true, false, A::Cancel, false, false},
                                           LeaveRow{"confirmYesSaveFails", 2, true, true, A::Yes, false, false},
                                           LeaveRow{"anyOtherPreferenceAsks", 0, true, false, A::Yes, true, true}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
