#include "print_progress_window.h"

#include <QLabel>
#include <QPushButton>
#include <QWindow>

#include "dialog_units.h"
#include "shell/logic/print_setup.h"

namespace {

constexpr const char* kProgressCaption = "The Orvanta";
constexpr int kCancelId = 1052;

}  // namespace

PrintProgressWindow::PrintProgressWindow(QWidget* owner) : QDialog(nullptr)
{
    setObjectName(QStringLiteral("printProgress"));
    setUpDialog(this, kProgressCaption, 186, 51);
    setModal(false);
    auto* text = new QLabel(QString::fromLatin1(kPrintingInProgress), this);
    placeControl(text, 0, 56, 10, 67, 8);
    m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
    placeControl(m_cancel, kCancelId, 64, 25, 50, 14);
    m_cancel->setDefault(true);
    connect(m_cancel, &QPushButton::clicked, this, &PrintProgressWindow::cancel);

    if (owner != nullptr) {
        move(owner->frameGeometry().center() - rect().center());
        winId();
        if (QWindow* ownerWindow = owner->window()->windowHandle())
            windowHandle()->setTransientParent(ownerWindow);
    }
    show();
    raise();
    activateWindow();
    m_cancel->setFocus();
    // Painted before the job's first page keeps the thread busy.
    repaint();
}

void PrintProgressWindow::reject()
{
    cancel();
}

void PrintProgressWindow::cancel()
{
    m_cancelled = true;
    hide();
}
