#include "shell/entry_dialogs.h"

#include "add_keyword_dialog.h"
#include "autofill_name_dialog.h"

bool QtEntryDialogs::addKeyword(QWidget* owner, LogStore& store)
{
    AddKeywordDialog dialog(store, owner);
    return dialog.exec() == QDialog::Accepted;
}

std::string QtEntryDialogs::askRouteName(QWidget* owner)
{
    AutofillNameDialog dialog(owner);
    dialog.exec();
    return dialog.name();
}
