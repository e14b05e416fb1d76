#pragma once

#include <QDialog>
#include <memory>

#include "install/logic/installer_flow.h"

class QLabel;
class QLineEdit;

// "Please enter the folder...": the proposed folder, all of it selected.
class InstallFolderDialog : public QDialog {
public:
    explicit InstallFolderDialog(const QString& proposed, QWidget* parent = nullptr);
    QString folder() const;

private:
    QLineEdit* m_edit = nullptr;
};

// "Installing files...", with the file being copied below.
class InstallProgressWindow : public QDialog, public CopyProgress {
public:
    explicit InstallProgressWindow(QWidget* parent = nullptr);
    void showFile(const std::string& destinationPath) override;
    void waitMs(int ms) override;
    QString currentText() const;
    // The copy cannot be stopped halfway: Escape and the close box do nothing.
    void reject() override {}

private:
    QLabel* m_file = nullptr;
};

// "What would you like to do now?": 1 Read the Manual, 2 Run the Program,
// 0 Neither (or the window closed).
class NextStepDialog : public QDialog {
public:
    explicit NextStepDialog(QWidget* parent = nullptr);
};

// The real windows, and the desktop's way of opening a document or starting a program.
class QtInstallerUi : public InstallerUi {
public:
    std::optional<std::string> askInstallFolder(const std::string& proposed) override;
    CopyProgress& openProgress() override;
    void closeProgress() override;
    NextStep askNextStep() override;
    void openDocument(const std::string& path) override;
    void startProgram(const std::string& path, const std::string& workingFolder) override;

private:
    std::unique_ptr<InstallProgressWindow> m_progress;
};

inline constexpr int kFolderEditId = 1007;
inline constexpr int kCurrentFileId = 1008;
inline constexpr int kReadManualId = 1001;
inline constexpr int kRunProgramId = 1002;
inline constexpr int kMaxFolderLength = 259;
