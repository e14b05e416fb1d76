#include "training_plan_dialog.h"

#include <QButtonGroup>
#include <QDateEdit>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>

#include "dialog_units.h"
#include "shell/logic/training_plan.h"

namespace {

// The locale's short date, with the century shown.
QString pickerFormat()
{
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    if (!format.contains(QStringLiteral("yyyy")))
        format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    return format;
}

}  // namespace

TrainingPlanDialog::TrainingPlanDialog(int planLength, const CalendarDate& initial, QWidget* parent)
    : QDialog(parent), m_planLength(planLength), m_planDate(initial)
{
    setUpDialog(this, kTrainingPlanTitle, 185, 100);

    auto* question = new QLabel(latin1Text(trainingPlanQuestion(planLength)), this);
    question->setWordWrap(true);
    question->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeControl(question, 1073, 10, 10, 170, 40);

    m_picker = new QDateEdit(QDate(initial.year, initial.month, initial.day), this);
    m_picker->setCalendarPopup(true);
    m_picker->setDisplayFormat(pickerFormat());
    // A log's two-digit years hold these years only.
    m_picker->setDateRange(QDate(kFirstFileYear, 1, 1), QDate(kLastFileYear, 12, 31));
    placeControl(m_picker, 1010, 65, 61, 55, 12);

    auto* anchors = new QButtonGroup(this);
    m_starting = new QRadioButton(QStringLiteral("Starting Date:"), this);
    placeControl(m_starting, 1074, 5, 56, 60, 10);
    auto* ending = new QRadioButton(QStringLiteral("Ending Date:"), this);
    placeControl(ending, 1075, 5, 66, 58, 10);
    anchors->addButton(m_starting);
    anchors->addButton(ending);
    ending->setChecked(true);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    placeControl(ok, 1, 69, 81, 50, 14);
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    placeControl(cancel, 2, 145, 81, 35, 14);
    connect(ok, &QPushButton::clicked, this, &TrainingPlanDialog::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    // Cancel, Escape and the close box all stop the merge.
    connect(this, &QDialog::rejected, this, [this] { m_planLength = kPlanCancelled; });
}

void TrainingPlanDialog::confirm()
{
    const QDate picked = m_picker->date();
    const PlanAnchor anchor = m_starting->isChecked() ? PlanAnchor::StartingDate : PlanAnchor::EndingDate;
    m_planDate = planLastDay({picked.year(), picked.month(), picked.day()}, m_planLength, anchor);
    accept();
}

int askTrainingPlan(QWidget* owner, int planLength, CalendarDate& planDate)
{
    TrainingPlanDialog dialog(planLength, planDate, owner);
    dialog.exec();
    if (dialog.planLength() != kPlanCancelled)
        planDate = dialog.planDate();
    return dialog.planLength();
}
