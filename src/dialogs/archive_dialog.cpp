#include "archive_dialog.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QLocale>
#include <QPushButton>

#include "dialog_units.h"

namespace {

// The locale's short date with the whole year: archives are made for any year.
QString pickerFormat()
{
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    if (!format.contains(QStringLiteral("yyyy")))
        format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    return format;
}

QDateEdit* makePicker(const QDate& date, QWidget* parent)
{
    auto* picker = new QDateEdit(date, parent);
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(pickerFormat());
    return picker;
}

CalendarDate calendarDate(const QDate& date)
{
    return CalendarDate{date.year(), date.month(), date.day()};
}

constexpr ControlPlace kStartingLabel{0, "Starting:", 10, 12, 40, 10};
constexpr ControlPlace kStartingPicker{1081, nullptr, 55, 10, 70, 13};
constexpr ControlPlace kEndingLabel{0, "Ending:", 10, 32, 40, 10};
constexpr ControlPlace kEndingPicker{1082, nullptr, 55, 30, 70, 13};
constexpr ControlPlace kRemoveBox{1083, kRemoveArchivedText, 10, 52, 190, 10};
constexpr ControlPlace kOk{1, "OK", 45, 72, 50, 14};
constexpr ControlPlace kCancel{2, "Cancel", 115, 72, 50, 14};

}  // namespace

ArchiveDialog::ArchiveDialog(int year, Work work, QWidget* parent) : QDialog(parent), m_work(std::move(work))
{
    setUpDialog(this, kArchiveTitle, 210, 94);

    placeControl(new QLabel(QString::fromLatin1(kStartingLabel.text), this), kStartingLabel);
    m_starting = makePicker(QDate(year, 1, 1), this);
    placeControl(m_starting, kStartingPicker);
    placeControl(new QLabel(QString::fromLatin1(kEndingLabel.text), this), kEndingLabel);
    m_ending = makePicker(QDate(year, 12, 31), this);
    placeControl(m_ending, kEndingPicker);

    m_remove = new QCheckBox(QString::fromLatin1(kRemoveBox.text), this);
    m_remove->setChecked(true);
    placeControl(m_remove, kRemoveBox);

    auto* ok = new QPushButton(QString::fromLatin1(kOk.text), this);
    ok->setDefault(true);
    placeControl(ok, kOk);
    auto* cancel = new QPushButton(QString::fromLatin1(kCancel.text), this);
    placeControl(cancel, kCancel);
    connect(ok, &QPushButton::clicked, this, &ArchiveDialog::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void ArchiveDialog::confirm()
{
    if (m_work)
        m_work(calendarDate(m_starting->date()), calendarDate(m_ending->date()), m_remove->isChecked());
    accept();
}
