#include "autofill_name_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "dialog_units.h"
#include "shell/logic/keywords_routes.h"

namespace {

constexpr ControlPlace kPrompt{0, "Enter Memorized Workout Name: (32 chars max.)", 5, 10, 170, 8};
constexpr ControlPlace kNameEdit{1047, "", 15, 25, 155, 14};
constexpr ControlPlace kOk{1, "OK", 65, 50, 50, 14};
constexpr ControlPlace kCancel{2, "Cancel", 130, 50, 50, 14};

}  // namespace

AutofillNameDialog::AutofillNameDialog(QWidget* parent) : QDialog(parent)
{
    setUpDialog(this, kAutofillTitle, 185, 70);
    auto* prompt = new QLabel(QString::fromLatin1(kPrompt.text), this);
    placeControl(prompt, kPrompt);
    m_name = new QLineEdit(this);
    m_name->setMaxLength(static_cast<int>(kRouteNameLength));
    placeControl(m_name, kNameEdit);
    auto* ok = new QPushButton(QString::fromLatin1(kOk.text), this);
    placeControl(ok, kOk);
    ok->setDefault(true);
    auto* cancel = new QPushButton(QString::fromLatin1(kCancel.text), this);
    placeControl(cancel, kCancel);
    connect(ok, &QPushButton::clicked, this, [this] {
        m_chosen = latin1Bytes(m_name->text());
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    m_name->setFocus();
}
