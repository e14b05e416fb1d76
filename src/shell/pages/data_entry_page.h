#pragma once

#include <array>

#include "shell/pages/page.h"

class EntryFormController;
class EntryListController;
class EntryListModel;

// Page 0: the entry form above the list of recent entries. The form's
// behaviour (Save, Clear, the keyboard, Autofill and keywords) belongs to the
// form controller, which reaches the controls through the getters below.
class DataEntryPage : public Page {
    Q_OBJECT
public:
    static constexpr int kIndex = static_cast<int>(PageIndex::DataEntry);
    static constexpr int kFormSlots = 11;

    DataEntryPage(AppContext& context, QWidget* parent);
    ~DataEntryPage() override;

    QDateEdit* entryDate() const { return m_date; }
    QComboBox* sportCombo() const { return m_sport; }
    QComboBox* categoryCombo() const { return m_category; }
    QLineEdit* distanceEdit() const { return m_distance; }
    QComboBox* unitsCombo() const { return m_units; }
    QLineEdit* timeEdit() const { return m_time; }
    QLineEdit* paceEdit() const { return m_pace; }
    QPlainTextEdit* routeEdit() const { return m_route; }
    QPlainTextEdit* commentEdit() const { return m_comment; }
    QToolButton* keywordButton() const { return m_keyword; }
    QToolButton* autofillButton() const { return m_autofill; }
    QPushButton* saveButton() const { return m_save; }
    QPushButton* clearButton() const { return m_clear; }
    // The last entries of the log.
    QListView* recentList() const { return m_recent; }
    EntryListModel* recentModel() const { return m_recentModel; }
    EntryListController* recentController() const { return m_recentController; }
    EntryFormController* form() const { return m_form; }
    // Date, sport, category, distance, units, time, pace, route, comment,
    // Save, Clear: the controls that take the page font.
    std::array<QWidget*, kFormSlots> formControls() const;

    int listWidth() const { return m_listWidth; }
    int listCharWidth() const { return m_listCharWidth; }
    int keywordButtonTop() const { return m_keywordButtonTop; }
    int autofillButtonTop() const { return m_autofillButtonTop; }

    // The keyboard to the date, its first part selected, so that a date
    // typed at once replaces it.
    void focusDate();

    // The chosen sport's pace units, painted after the pace field.
    QString paceUnitsLabel() const { return m_paceUnits; }
    void setPaceUnitsLabel(const QString& text);

    // The sport list when the log's sports changed, Save or Modify, and the
    // recent entries anew.
    void refresh() override;
    // The date picker's order; the sport list comes with refresh().
    void reloadFromLog() override;

protected:
    void placeControls(QSize client) override;
    void paintClient(QPainter& painter) override;

private:
    void createForm();
    void paintBand(QPainter& painter, const DataEntryPainting& p);

    QDateEdit* m_date = nullptr;
    QComboBox* m_sport = nullptr;
    QComboBox* m_category = nullptr;
    QLineEdit* m_distance = nullptr;
    QComboBox* m_units = nullptr;
    QLineEdit* m_time = nullptr;
    QLineEdit* m_pace = nullptr;
    QPlainTextEdit* m_route = nullptr;
    QPlainTextEdit* m_comment = nullptr;
    QToolButton* m_keyword = nullptr;
    QToolButton* m_autofill = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_clear = nullptr;
    QListView* m_recent = nullptr;
    EntryListModel* m_recentModel = nullptr;
    EntryListController* m_recentController = nullptr;
    EntryFormController* m_form = nullptr;
    int m_listWidth = 0;
    int m_listCharWidth = 0;
    int m_keywordButtonTop = 0;
    int m_autofillButtonTop = 0;
    QString m_paceUnits;
};
