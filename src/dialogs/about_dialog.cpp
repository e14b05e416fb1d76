#include "about_dialog.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "dialog_units.h"

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent)
{
    setUpDialog(this, kAboutTitle, 150, 75);

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("icon"));
    icon->setPixmap(QPixmap(QString::fromLatin1(kProgramIcon)));
    placeControl(icon, 0, 10, 10, 24, 24);

    auto* name = new QLabel(QString::fromLatin1(kProgramName), this);
    QFont nameFont = dialogFont();
    nameFont.setPixelSize(18);
    name->setFont(nameFont);
    placeControl(name, 0, 45, 9, 100, 12);
    placeControl(new QLabel(QString::fromLatin1(kProgramVersion), this), 0, 45, 25, 100, 10);
    placeControl(new QLabel(QString::fromLatin1(kProgramDate), this), 0, 45, 36, 100, 10);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    placeControl(ok, 1, 50, 54, 50, 14);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
