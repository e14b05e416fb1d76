#include "installer_windows.h"

#include <QApplication>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QUrl>

#include "dialogs/dialog_units.h"

namespace {

// The window sizes in dialog units, wide enough for their controls.
constexpr int kFolderWidth = 280, kFolderHeight = 74;
constexpr int kProgressWidth = 262, kProgressHeight = 44;
constexpr int kNextStepWidth = 218, kNextStepHeight = 42;

void setUpWindow(QDialog* dialog, int width, int height)
{
    dialog->setWindowTitle(QString::fromLatin1(kInstallerTitle));
    dialog->setFont(dialogFont());
    dialog->setFixedSize(width * kPixelsPerDialogUnit, height * kPixelsPerDialogUnit);
}

QLabel* addLabel(QDialog* dialog, const char* text, int id, int x, int y, int width, int height)
{
    auto* label = new QLabel(QString::fromLatin1(text), dialog);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeControl(label, id, x, y, width, height);
    return label;
}

QPushButton* addButton(QDialog* dialog, const char* text, int id, int x, int y, int width, int height)
{
    auto* button = new QPushButton(QString::fromLatin1(text), dialog);
    placeControl(button, id, x, y, width, height);
    return button;
}

}  // namespace

InstallFolderDialog::InstallFolderDialog(const QString& proposed, QWidget* parent) : QDialog(parent)
{
    setUpWindow(this, kFolderWidth, kFolderHeight);
    addLabel(this, kFolderPrompt, 0, 15, 11, 155, 19);
    m_edit = new QLineEdit(proposed, this);
    m_edit->setMaxLength(kMaxFolderLength);
    placeControl(m_edit, kFolderEditId, 13, 34, 252, 12);
    QPushButton* ok = addButton(this, "OK", 1, 110, 52, 50, 14);
    ok->setDefault(true);
    QPushButton* cancel = addButton(this, "Cancel", 2, 215, 53, 50, 14);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    m_edit->selectAll();
    m_edit->setFocus();
}

QString InstallFolderDialog::folder() const
{
    return m_edit->text().left(kMaxFolderLength);
}

InstallProgressWindow::InstallProgressWindow(QWidget* parent) : QDialog(parent)
{
    setUpWindow(this, kProgressWidth, kProgressHeight);
    addLabel(this, kInstallingFiles, 0, 7, 7, 102, 9);
    m_file = addLabel(this, kStartingCopy, kCurrentFileId, 16, 25, 239, 11);
    m_file->setWordWrap(false);
}

void InstallProgressWindow::showFile(const std::string& destinationPath)
{
    m_file->setText(QFile::decodeName(destinationPath.c_str()));
    QApplication::processEvents();
}

void InstallProgressWindow::waitMs(int ms)
{
    // The window keeps painting while it waits.
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, ms - static_cast<int>(timer.elapsed()));
}

QString InstallProgressWindow::currentText() const
{
    return m_file->text();
}

NextStepDialog::NextStepDialog(QWidget* parent) : QDialog(parent)
{
    setUpWindow(this, kNextStepWidth, kNextStepHeight);
    addLabel(this, kNextStepQuestion, 0, 7, 7, 129, 14);
    QPushButton* manual = addButton(this, "Read the Manual", kReadManualId, 7, 21, 67, 14);
    QPushButton* run = addButton(this, "Run the Program", kRunProgramId, 83, 21, 67, 14);
    QPushButton* neither = addButton(this, "Neither", 2, 159, 21, 50, 14);
    run->setDefault(true);
    run->setFocus();
    connect(manual, &QPushButton::clicked, this, [this] { done(1); });
    connect(run, &QPushButton::clicked, this, [this] { done(2); });
    connect(neither, &QPushButton::clicked, this, [this] { done(0); });
}

std::optional<std::string> QtInstallerUi::askInstallFolder(const std::string& proposed)
{
    InstallFolderDialog dialog(QFile::decodeName(proposed.c_str()));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return std::string(QFile::encodeName(dialog.folder()).constData());
}

CopyProgress& QtInstallerUi::openProgress()
{
    m_progress = std::make_unique<InstallProgressWindow>(QApplication::activeWindow());
    m_progress->show();
    QApplication::processEvents();
    return *m_progress;
}

void QtInstallerUi::closeProgress()
{
    m_progress.reset();
}

InstallerUi::NextStep QtInstallerUi::askNextStep()
{
    NextStepDialog dialog;
    switch (dialog.exec()) {
        case 1:
            return NextStep::ReadManual;
        case 2:
            return NextStep::RunProgram;
        default:
            return NextStep::Neither;
    }
}

void QtInstallerUi::openDocument(const std::string& path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFile::decodeName(path.c_str())));
}

void QtInstallerUi::startProgram(const std::string& path, const std::string& workingFolder)
{
    QProcess::startDetached(QFile::decodeName(path.c_str()), {}, QFile::decodeName(workingFolder.c_str()));
}
