#pragma once

#include <QObject>

#include "shell/app_context.h"
#include "shell/logic/selection.h"

class SelectPage;

// The Select page's criteria at work: read from the controls into the
// core's SelectCriteria and written back, Clear, the fields that show as the
// sport and the operators change, and the keyword and memorized-route lists
// filling the criteria. Every decision is the core's (selection.h).
class SelectController : public QObject {
    Q_OBJECT
public:
    SelectController(SelectPage& page, AppContext& context);

    SelectCriteria readCriteria() const;
    // Every control takes its value; the fields that show follow.
    void writeCriteria(const SelectCriteria& criteria);

    // Clear: every criterion unset, the dates spanning the log.
    void clear();
    // Shows the dependent fields that the sport and the operators call for.
    void updateVisibility();

private:
    void keywordChosen(int position);
    void routeChosen(int position);

    SelectPage& m_page;
    AppContext& m_context;
    // Set while the program itself writes the controls.
    bool m_writing = false;
};
