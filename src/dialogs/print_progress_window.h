#pragma once

#include <QDialog>

class QPushButton;

// The small window shown while a job prints, whose "Cancel" stops the job.
// It is a window of its own, not a child of the main window, so that it stays
// usable while the main window is disabled for the length of the job.
class PrintProgressWindow : public QDialog {
    Q_OBJECT

public:
    // Shows itself at once, over owner, with the focus on "Cancel".
    explicit PrintProgressWindow(QWidget* owner);

    // Whether "Cancel" was pressed (or the window closed): the job stops at
    // its next check.
    bool cancelled() const { return m_cancelled; }
    QPushButton* cancelButton() const { return m_cancel; }

    // Escape and the close box cancel the job as "Cancel" does.
    void reject() override;

private:
    void cancel();

    QPushButton* m_cancel = nullptr;
    bool m_cancelled = false;
};
