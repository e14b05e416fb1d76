#include "save_format_dialog.h"

#include <QButtonGroup>
#include <QPushButton>
#include <QRadioButton>
#include <iterator>

#include "dialog_units.h"
#include "log/log_writer.h"

namespace {

struct ButtonPlace {
    int id;
    int x, y, width, height;
};

// In SaveFormat order; the texts are the writer's.
constexpr ButtonPlace kFormatButtons[] = {
    {1076, 5, 5, 188, 10},  {1077, 5, 19, 73, 10},  {1078, 5, 33, 113, 10},
    {1079, 5, 47, 115, 10}, {1080, 5, 61, 164, 10},
};
static_assert(std::size(kFormatButtons) == std::size(kSaveFormatTexts));

}  // namespace

SaveFormatDialog::SaveFormatDialog(QWidget* parent) : QDialog(parent), m_formats(new QButtonGroup(this))
{
    setUpDialog(this, kSaveFormatTitle, 198, 96);
    for (int i = 0; i < static_cast<int>(std::size(kFormatButtons)); ++i) {
        const ButtonPlace& place = kFormatButtons[i];
        auto* button = new QRadioButton(QString::fromLatin1(kSaveFormatTexts[i]), this);
        placeControl(button, place.id, place.x, place.y, place.width, place.height);
        m_formats->addButton(button, i);
    }
    m_formats->button(static_cast<int>(SaveFormat::CompleteLog))->setChecked(true);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    placeControl(ok, 1, 74, 77, 50, 14);
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    placeControl(cancel, 2, 149, 77, 35, 14);
    connect(ok, &QPushButton::clicked, this, [this] {
        m_format = m_formats->checkedId();
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}
