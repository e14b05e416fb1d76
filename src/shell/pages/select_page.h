#pragma once

#include <map>

#include "shell/pages/page.h"

// Page 6: the selection criteria, one row each, with the buttons that select
// by them and the display-mode buttons. The selection code reads the controls
// by their ids.
class SelectController;

class SelectPage : public Page {
    Q_OBJECT
public:
    static constexpr int kIndex = static_cast<int>(PageIndex::Select);

    SelectPage(AppContext& context, QWidget* parent);

    // Any control by its id (ctl::Select, ctl::TimeTest...); null for another id.
    QWidget* control(int id) const;
    QPushButton* button(int id) const;
    QComboBox* combo(int id) const;
    QLineEdit* edit(int id) const;
    QDateEdit* fromDate() const;
    QDateEdit* toDate() const;
    // "Show Selected Only" and "Show All, Highlight Selected", by their ids.
    QButtonGroup* displayModeGroup() const { return m_displayMode; }
    // Reads and writes the criteria; Clear, the fields that show, the fills.
    SelectController* controller() const { return m_controller; }

    // The sports, keywords and routes lists and the span of dates of the
    // log now open; a criterion chosen stays while its list still holds it.
    void reloadFromLog() override;

    // Select More, Select Fewer, Select All and Select Reverse are offered
    // only while some entry is left out of the selection.
    void showNarrowingButtons(bool shown);
    // Checks the display-mode button of mode (1 Show Selected Only, 0 Show
    // All, Highlight Selected) without asking for it again.
    void showDisplayMode(int mode);

signals:
    // Select, Select More, Select Fewer, Select All or Select Reverse, by the
    // button's id; Enter in a criteria text field asks for Select.
    void selectionRequested(int id);
    // A display-mode button was pressed: 1 Show Selected Only, 0 Show All.
    void displayModeChosen(int mode);

protected:
    void placeControls(QSize client) override;
    void paintClient(QPainter& painter) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createButtons();
    void createCriteria();
    void setDatesFromLog();
    QStringList sportItems() const;
    QStringList keywordItems() const;
    QStringList routeItems() const;
    void paintRowNotes(QPainter& painter);
    void connectCommands();

    std::map<int, QWidget*> m_byId;
    QButtonGroup* m_displayMode = nullptr;
    SelectController* m_controller = nullptr;
};
