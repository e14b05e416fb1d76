#pragma once

#include <QSize>
#include <QString>
#include <QWidget>

#include "shell/app_context.h"

// The object name of a page control, from its control id: "ctl2004".
inline QString controlName(int id)
{
    return QStringLiteral("ctl%1").arg(id);
}

// One tab page. Pages place their controls at fixed pixel positions measured
// from the main window's client size; a resize lays them out anew and keeps
// what they hold.
class Page : public QWidget {
    Q_OBJECT
public:
    Page(AppContext& context, int index, QWidget* parent);

    int index() const { return m_index; }
    // cw, ch: the main window's client width and height (tab strip included).
    virtual void layoutFor(QSize client) = 0;
    // The log or the selection changed: show it anew.
    virtual void refresh() {}

protected:
    AppContext& m_context;

private:
    int m_index;
};

// Creates page index (0..6) for a main window client of the given size.
Page* createPage(int index, AppContext& context, QSize client, QWidget* parent);
