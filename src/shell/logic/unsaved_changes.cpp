#include "unsaved_changes.h"

#include "log/messages.h"
#include "shell/logic/app_settings.h"

bool offerToSave(LogStore& store, SaveContext& context)
{
    if (!store.modified)
        return true;
    // closeAction 1 saves without asking; any other value asks.
    if (store.preferences.closeAction() != 1) {
        UserPrompt::Answer answer =
            context.prompt.message(msg::kCaption, kUnsavedChangesQuestion, UserPrompt::Icon::Question,
                                   UserPrompt::Buttons::YesNoCancel, UserPrompt::Answer::Yes);
        if (answer == UserPrompt::Answer::Cancel)
            return false;
        if (answer == UserPrompt::Answer::No)
            return true;
    }
    // Under its own name, as a complete log; a failure was already reported.
    return saveLog(store, "", false, SaveFormat::CompleteLog, context);
}
