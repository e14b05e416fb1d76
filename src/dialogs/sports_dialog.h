#pragma once

#include <QColor>
#include <QDialog>
#include <QFont>

#include <cstdint>
#include <functional>
#include <optional>

#include "log/log_store.h"
#include "log/user_prompt.h"
#include "shell/logic/app_settings.h"
#include "shell/logic/sports_rules.h"

class QButtonGroup;
class QLineEdit;
class QListWidget;
class QPushButton;

// An edit field over a list that is always shown: the user picks an item or
// types a text of their own.
class SimpleComboBox : public QWidget {
    Q_OBJECT

public:
    explicit SimpleComboBox(QWidget* parent = nullptr);

    QLineEdit* edit() const { return m_edit; }
    QListWidget* list() const { return m_list; }
    // The selected item's row, or -1.
    int selectedRow() const;
    void selectRow(int row);
    // Replaces the items and selects the one equal to the edit's text, if any.
    void setItems(const QStringList& items);
    // Selects the item equal to the edit's text, or none.
    void selectMatchingItem();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QLineEdit* m_edit;
    QListWidget* m_list;
};

// Adds, deletes and colours the log's sports. Changes go straight into the
// store (and mark it modified); colours go into the settings. "Done" is the
// only way out.
class SportsDialog : public QDialog {
    Q_OBJECT

public:
    // Returns the chosen colour, or nothing when the user cancels.
    using ColorChooser = std::function<std::optional<QColor>(const QColor& initial, QWidget* parent)>;

    SportsDialog(LogStore& store, AppSettings& settings, UserPrompt& prompt, const QFont& listFont,
                 QWidget* parent = nullptr);

    bool sportsChanged() const { return m_editor.sportsChanged(); }
    // Whether a sport's colour was set: the views must be drawn anew.
    bool colorsChanged() const { return m_colorsChanged; }
    // Tests answer the colour chooser here; the default is QColorDialog.
    void setColorChooser(ColorChooser chooser) { m_chooseColor = std::move(chooser); }

public slots:
    // Escape and the window's close request do nothing: "Done" ends the dialog.
    void reject() override {}

private:
    void createBoxes();
    void createButtons();
    void createUnitGroups();
    void connectControls();
    void onSportBoxChanged();
    void onAbbreviationEdited();
    void onAdd();
    void onDelete();
    void onSetColor();
    void refillBoxes();
    void refillSportsList();

    AppSettings& m_settings;
    UserPrompt& m_prompt;
    SportsEditor m_editor;
    ColorChooser m_chooseColor;
    SimpleComboBox* m_sportBox = nullptr;
    SimpleComboBox* m_letterBox = nullptr;
    QListWidget* m_sportsList = nullptr;
    QButtonGroup* m_distanceGroup = nullptr;
    QButtonGroup* m_paceGroup = nullptr;
    QPushButton* m_done = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_delete = nullptr;
    QPushButton* m_setColor = nullptr;
    bool m_colorsChanged = false;
};

// The platform's colour order, 0x00BBGGRR, to and from Qt's.
QColor colorOfRef(std::uint32_t colorRef);
std::uint32_t refOfColor(const QColor& color);

inline constexpr const char* kSportsTitle = "The Orvanta: Sports";
