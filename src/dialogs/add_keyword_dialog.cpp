#include "add_keyword_dialog.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "dialog_units.h"
#include "log/log_store.h"
#include "shell/logic/keywords_routes.h"

namespace {

constexpr ControlPlace kAbbreviationLabel{0, "Keyword abbreviation: (16 chars max.)", 5, 7, 126, 8};
constexpr ControlPlace kLabelLabel{0, "Keyword label: (32 chars max.)", 5, 26, 101, 8};
constexpr ControlPlace kValuesBox{0, "Keyword Values", 7, 59, 83, 55};
constexpr ControlPlace kKindPlaces[3] = {{1014, "Compute Average", 17, 71, 67, 10},
                                         {1015, "Compute Total", 17, 84, 63, 10},
                                         {1016, "Non-numeric", 17, 97, 57, 10}};
constexpr ControlPlace kAbbreviationEdit{1049, "", 133, 6, 75, 12};
constexpr ControlPlace kLabelEdit{1050, "", 10, 40, 195, 14};
constexpr ControlPlace kOk{1, "OK", 82, 122, 50, 14};
constexpr ControlPlace kCancel{2, "Cancel", 155, 122, 50, 14};

QLabel* addLabel(QDialog* dialog, const ControlPlace& place)
{
    auto* label = new QLabel(QString::fromLatin1(place.text), dialog);
    placeControl(label, place);
    return label;
}

}  // namespace

AddKeywordDialog::AddKeywordDialog(LogStore& store, QWidget* parent) : QDialog(parent), m_store(store)
{
    setUpDialog(this, kAddKeywordTitle, 215, 142);
    addLabel(this, kAbbreviationLabel);
    addLabel(this, kLabelLabel);
    auto* box = new QGroupBox(QString::fromLatin1(kValuesBox.text), this);
    placeControl(box, kValuesBox);
    for (int i = 0; i < 3; ++i) {
        m_kinds[i] = new QRadioButton(QString::fromLatin1(kKindPlaces[i].text), this);
        placeControl(m_kinds[i], kKindPlaces[i]);
    }
    m_kinds[0]->setChecked(true);

    m_abbreviation = new QLineEdit(this);
    m_abbreviation->setMaxLength(static_cast<int>(kKeywordAbbreviationLength));
    placeControl(m_abbreviation, kAbbreviationEdit);
    m_label = new QLineEdit(this);
    m_label->setMaxLength(static_cast<int>(kKeywordLabelLength));
    placeControl(m_label, kLabelEdit);

    auto* ok = new QPushButton(QString::fromLatin1(kOk.text), this);
    placeControl(ok, kOk);
    ok->setDefault(true);
    auto* cancel = new QPushButton(QString::fromLatin1(kCancel.text), this);
    placeControl(cancel, kCancel);
    connect(ok, &QPushButton::clicked, this, &AddKeywordDialog::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    setTabOrder(m_abbreviation, m_label);
    m_abbreviation->setFocus();
}

void AddKeywordDialog::confirm()
{
    KeywordKind kind = KeywordKind::Average;
    if (m_kinds[1]->isChecked())
        kind = KeywordKind::Total;
    else if (m_kinds[2]->isChecked())
        kind = KeywordKind::NonNumeric;
    if (addKeyword(m_store, kind, latin1Bytes(m_abbreviation->text()), latin1Bytes(m_label->text())))
        accept();
}
