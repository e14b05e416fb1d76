#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <memory>

#include "views/print_job.h"

class PrintProgressWindow;
class QPrinter;
class QWidget;

// The window's side of a print job: the "Printing in Progress..." window
// with its Cancel, the main window disabled for the job's length, and the
// events taken between rows so that Cancel (and painting) work while the
// job keeps the thread.
class PrintMonitor {
public:
    // withProgressWindow: false for the graph, which prints without one and
    // cannot be cancelled.
    PrintMonitor(QWidget& mainWindow, QPrinter& printer, bool withProgressWindow);
    // Closes the progress window, enables the main window and gives it the focus.
    ~PrintMonitor();
    PrintMonitor(const PrintMonitor&) = delete;
    PrintMonitor& operator=(const PrintMonitor&) = delete;

    // The hooks for printLog: before every row the waiting events are taken
    // and the job stops once Cancel was pressed; a stopped job is aborted on
    // the printer.
    PrintHooks hooks();
    // Takes the waiting events (at the first call, then every few
    // milliseconds: a row takes microseconds); whether Cancel was pressed.
    bool shouldStop();

    PrintProgressWindow* progressWindow() const;

private:
    QPointer<QWidget> m_mainWindow;
    QPrinter& m_printer;
    std::unique_ptr<PrintProgressWindow> m_progress;
    QElapsedTimer m_sincePump;
};
