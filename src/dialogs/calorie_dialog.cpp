#include "calorie_dialog.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "dialog_units.h"
#include "shell/logic/calorie_rules.h"

CalorieDialog::CalorieDialog(AppSettings& settings, const LogStore& store, QWidget* parent)
    : QDialog(parent), m_settings(settings)
{
    setUpDialog(this, kCalorieDialogTitle, 236, 94);
    const CalorieChoice choice = openCalorieChoice(settings, store);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    placeControl(ok, 1, 92, 73, 50, 14);
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    placeControl(cancel, 2, 175, 73, 50, 14);
    m_fromKeyword = new QRadioButton(QStringLiteral("Extract weight from log using keyword:"), this);
    placeControl(m_fromKeyword, 1068, 10, 11, 135, 10);
    m_fixed = new QRadioButton(QStringLiteral("Use fixed weight:"), this);
    placeControl(m_fixed, 1069, 10, 30, 70, 10);
    auto* group = new QButtonGroup(this);
    group->addButton(m_fromKeyword);
    group->addButton(m_fixed);
    placeControl(new QLabel(QStringLiteral("Weight in:"), this), 0, 20, 52, 34, 8);

    m_units = new QComboBox(this);
    placeControl(m_units, 1070, 60, 50, 45, 30);
    for (const char* unit : kWeightUnitTexts)
        m_units->addItem(QString::fromLatin1(unit));
    m_units->setCurrentIndex(choice.weightUnits >= 0 && choice.weightUnits < m_units->count() ? choice.weightUnits
                                                                                              : -1);
    m_weight = new QLineEdit(this);
    placeControl(m_weight, 1071, 80, 29, 40, 12);
    m_weight->setText(latin1Text(choice.fixedText));
    m_keyword = new QComboBox(this);
    placeControl(m_keyword, 1072, 150, 10, 75, 30);
    for (const std::string& keyword : choice.keywords)
        m_keyword->addItem(latin1Text(keyword));
    m_keyword->setMaxVisibleItems(std::max(1, static_cast<int>(choice.keywords.size())));
    m_keyword->setCurrentIndex(choice.keywordIndex);
    // Closed combo boxes keep their own height; the rectangles above are their dropped lists'.
    for (QComboBox* combo : {m_units, m_keyword})
        combo->resize(combo->width(), combo->sizeHint().height());
    (choice.fromKeyword ? m_fromKeyword : m_fixed)->setChecked(true);

    setTabOrder(ok, cancel);
    setTabOrder(cancel, m_units);
    setTabOrder(m_units, m_weight);
    setTabOrder(m_weight, m_keyword);
    connect(ok, &QPushButton::clicked, this, &CalorieDialog::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void CalorieDialog::confirm()
{
    applyCalorieChoice(m_settings, m_fromKeyword->isChecked(), latin1Bytes(m_keyword->currentText()),
                       latin1Bytes(m_weight->text()), m_units->currentIndex());
    accept();
}
