#include "preferences_dialog.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <iterator>

#include "dialog_units.h"

namespace {

constexpr ControlPlace kHeadings[] = {
    {0, "Response to Close/Quit with Unsaved Changes:", 7, 7, 155, 10},
    {0, "Make Automatic Backup Copy of Log:", 7, 33, 127, 10},
    {0, "Distance Conversion to Standard Units:", 7, 59, 129, 10},
    {0, "Date Format:", 7, 85, 46, 10},
    {0, "Start Week On:", 7, 111, 55, 10},
};

// Buttons in group order: four pairs, then the three week days.
constexpr ControlPlace kChoices[] = {
    {1014, "Automatic Save", 25, 20, 68, 10},
    {1015, "Request Confirmation", 120, 20, 82, 12},
    {1016, "Yes", 25, 46, 34, 8},
    {1017, "No", 120, 46, 51, 9},
    {1018, "Summaries Only", 25, 72, 73, 10},
    {1019, "On Data Entry", 120, 72, 69, 10},
    {1020, "3/21/02", 25, 98, 58, 10},
    {1021, "21/3/02", 120, 98, 62, 10},
    {1022, "Monday", 25, 124, 51, 10},
    {1023, "Saturday", 93, 124, 42, 10},
    {1024, "Sunday", 166, 124, 38, 10},
};
constexpr int kWeekGroup = 4;

int groupOfChoice(int index)
{
    return index < 8 ? index / 2 : kWeekGroup;
}

int positionInGroup(int index)
{
    return index < 8 ? index % 2 : index - 8;
}

}  // namespace

PreferencesDialog::PreferencesDialog(LogStore& store, UserPrompt& prompt, QWidget* parent)
    : QDialog(parent), m_store(store), m_prompt(prompt)
{
    setUpDialog(this, kPreferencesTitle, 280, 163);
    createControls();
    showChoices(choicesOf(editablePreferences(m_store)));
}

void PreferencesDialog::createControls()
{
    for (const ControlPlace& place : kHeadings)
        placeControl(new QLabel(QString::fromLatin1(place.text), this), place);

    for (auto& group : m_groups)
        group = new QButtonGroup(this);
    for (int i = 0; i < static_cast<int>(std::size(kChoices)); ++i) {
        const ControlPlace& place = kChoices[i];
        auto* button = new QRadioButton(QString::fromLatin1(place.text), this);
        placeControl(button, place);
        m_groups[groupOfChoice(i)]->addButton(button, positionInGroup(i));
    }

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    placeControl(ok, 1, 115, 142, 50, 14);
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    placeControl(cancel, 2, 221, 142, 50, 14);
    connect(ok, &QPushButton::clicked, this, &PreferencesDialog::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void PreferencesDialog::showChoices(const PreferenceChoices& choices)
{
    for (int k = 0; k < 4; ++k)
        m_groups[k]->button(choices.twoWay[k])->setChecked(true);
    if (QAbstractButton* day = m_groups[kWeekGroup]->button(choices.week))
        day->setChecked(true);
}

PreferenceChoices PreferencesDialog::checkedChoices() const
{
    PreferenceChoices choices;
    for (int k = 0; k < 4; ++k)
        choices.twoWay[k] = m_groups[k]->checkedId();
    choices.week = m_groups[kWeekGroup]->checkedId();
    return choices;
}

void PreferencesDialog::confirm()
{
    m_changes = applyPreferences(m_store, preferencesFrom(checkedChoices()), m_prompt);
    accept();
}
