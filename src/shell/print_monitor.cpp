#include "shell/print_monitor.h"

#include <QCoreApplication>
#include <QPrinter>
#include <QWidget>

#include "dialogs/print_progress_window.h"

PrintMonitor::PrintMonitor(QWidget& mainWindow, QPrinter& printer, bool withProgressWindow)
    : m_mainWindow(&mainWindow), m_printer(printer)
{
    if (!withProgressWindow)
        return;
    m_progress = std::make_unique<PrintProgressWindow>(&mainWindow);
    mainWindow.setEnabled(false);
}

PrintMonitor::~PrintMonitor()
{
    if (!m_progress)
        return;
    m_progress.reset();
    if (m_mainWindow) {
        m_mainWindow->setEnabled(true);
        m_mainWindow->activateWindow();
        m_mainWindow->setFocus();
    }
}

PrintProgressWindow* PrintMonitor::progressWindow() const
{
    return m_progress.get();
}

bool PrintMonitor::shouldStop()
{
    if (!m_progress)
        return false;
    constexpr qint64 kPumpEveryMs = 10;
    if (!m_progress->cancelled() && (!m_sincePump.isValid() || m_sincePump.elapsed() >= kPumpEveryMs)) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        m_sincePump.start();
    }
    return m_progress->cancelled();
}

PrintHooks PrintMonitor::hooks()
{
    PrintHooks hooks;
    if (!m_progress)
        return hooks;
    hooks.shouldStop = [this] { return shouldStop(); };
    hooks.abortDocument = [this] { m_printer.abort(); };
    return hooks;
}
