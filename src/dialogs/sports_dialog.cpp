#include "sports_dialog.h"

#include <QButtonGroup>
#include <QColorDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "dialog_units.h"

namespace {

constexpr int kEditHeight = 24;  // pixels of a simple combo box's edit field

constexpr ControlPlace kGroupBoxes[] = {
    {0, "Sport", 5, 5, 100, 110},      {0, "Abbrev.", 111, 5, 34, 110},       {0, "Distance Units", 151, 5, 73, 75},
    {0, "Pace Units", 232, 5, 83, 75}, {0, "Sports List", 150, 85, 175, 105},
};

constexpr ControlPlace kDistanceButtons[] = {
    {1029, "Miles (M)", 160, 14, 55, 12},  {1030, "Kilometers (K)", 160, 27, 55, 12},
    {1031, "Yards (Y)", 160, 40, 55, 12},  {1032, "meters (m)", 160, 53, 55, 12},
    {1033, "Units/None", 160, 66, 55, 12},
};

constexpr ControlPlace kPaceButtons[] = {
    {1034, "Min/Mile (mpm)", 240, 14, 65, 12},
    {1035, "Min/km (mpk)", 240, 27, 65, 12},
    {1036, "Miles/hour (mph)", 240, 40, 65, 12},
    {1037, "Km/hour (kph)", 240, 53, 65, 12},
    {1038, "None", 240, 66, 65, 12},
};

constexpr const char* kHowToAdd =
    "Select or type in a sport above, select an abbreviation, distance, and pace units, and tap on \"Add\"";

QPushButton* makeButton(QWidget* parent, const ControlPlace& place)
{
    auto* button = new QPushButton(QString::fromLatin1(place.text), parent);
    placeControl(button, place);
    return button;
}

QButtonGroup* makeRadioGroup(QWidget* parent, const ControlPlace (&places)[5])
{
    auto* group = new QButtonGroup(parent);
    for (int i = 0; i < 5; ++i) {
        auto* button = new QRadioButton(QString::fromLatin1(places[i].text), parent);
        placeControl(button, places[i]);
        group->addButton(button, i);
    }
    group->button(0)->setChecked(true);
    return group;
}

std::optional<QColor> chooseWithColorDialog(const QColor& initial, QWidget* parent)
{
    // QColorDialog keeps its custom colours for the life of the program.
    const QColor color = QColorDialog::getColor(initial, parent);
    if (!color.isValid())
        return std::nullopt;
    return color;
}

}  // namespace

QColor colorOfRef(std::uint32_t colorRef)
{
    return QColor(static_cast<int>(colorRef & 0xFF), static_cast<int>((colorRef >> 8) & 0xFF),
                  static_cast<int>((colorRef >> 16) & 0xFF));
}

std::uint32_t refOfColor(const QColor& color)
{
    return static_cast<std::uint32_t>(color.red()) | static_cast<std::uint32_t>(color.green()) << 8 |
           static_cast<std::uint32_t>(color.blue()) << 16;
}

SimpleComboBox::SimpleComboBox(QWidget* parent)
    : QWidget(parent), m_edit(new QLineEdit(this)), m_list(new QListWidget(this))
{
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

int SimpleComboBox::selectedRow() const
{
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    return selected.isEmpty() ? -1 : m_list->row(selected.front());
}

void SimpleComboBox::selectRow(int row)
{
    const QSignalBlocker quiet(m_list);
    m_list->clearSelection();
    m_list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    if (row < 0)
        m_list->setCurrentItem(nullptr);
}

void SimpleComboBox::setItems(const QStringList& items)
{
    {
        const QSignalBlocker quiet(m_list);
        m_list->clear();
        m_list->addItems(items);
    }
    selectMatchingItem();
}

void SimpleComboBox::selectMatchingItem()
{
    const QList<QListWidgetItem*> same = m_list->findItems(m_edit->text(), Qt::MatchExactly | Qt::MatchCaseSensitive);
    selectRow(same.isEmpty() ? -1 : m_list->row(same.front()));
}

void SimpleComboBox::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_edit->setGeometry(0, 0, width(), kEditHeight);
    m_list->setGeometry(0, kEditHeight, width(), height() - kEditHeight);
}

SportsDialog::SportsDialog(LogStore& store, AppSettings& settings, UserPrompt& prompt, const QFont& listFont,
                           QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_settings(settings),
      m_prompt(prompt),
      m_editor(store, settings.calorieSportNames()),
      m_chooseColor(chooseWithColorDialog)
{
    setUpDialog(this, kSportsTitle, 330, 214);
    for (const ControlPlace& place : kGroupBoxes)
        placeControl(new QGroupBox(QString::fromLatin1(place.text), this), place);
    createBoxes();
    createUnitGroups();
    createButtons();
    // The list's font is the list font as it is: nothing taken from the dialog's bold face.
    QFont font = listFont;
    font.setWeight(listFont.weight());
    font.setItalic(listFont.italic());
    m_sportsList->setFont(font);
    refillBoxes();
    refillSportsList();
    connectControls();
}

void SportsDialog::createBoxes()
{
    m_sportBox = new SimpleComboBox(this);
    placeControl(m_sportBox, 1039, 10, 15, 90, 100);
    m_sportBox->edit()->setMaxLength(static_cast<int>(kSportNameLength));
    m_letterBox = new SimpleComboBox(this);
    placeControl(m_letterBox, 1040, 115, 15, 25, 95);
    m_letterBox->edit()->setMaxLength(1);

    auto* howTo = new QLabel(QString::fromLatin1(kHowToAdd), this);
    howTo->setWordWrap(true);
    howTo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeControl(howTo, 0, 17, 119, 115, 25);

    m_sportsList = new QListWidget(this);
    placeControl(m_sportsList, 1012, 155, 95, 165, 90);
    m_sportsList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_sportsList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void SportsDialog::createUnitGroups()
{
    m_distanceGroup = makeRadioGroup(this, kDistanceButtons);
    m_paceGroup = makeRadioGroup(this, kPaceButtons);
}

void SportsDialog::createButtons()
{
    m_done = makeButton(this, {1, "Done", 49, 173, 45, 15});
    m_done->setDefault(true);
    m_delete = makeButton(this, {1027, "Delete", 76, 152, 45, 15});
    m_delete->setEnabled(false);
    m_add = makeButton(this, {1028, "Add", 22, 152, 45, 15});
    m_add->setEnabled(false);
    m_setColor = makeButton(this, {1053, "SetColor", 215, 195, 50, 14});
}

void SportsDialog::connectControls()
{
    connect(m_sportBox->edit(), &QLineEdit::textEdited, this, [this] {
        m_sportBox->selectMatchingItem();
        onSportBoxChanged();
    });
    connect(m_sportBox->list(), &QListWidget::itemSelectionChanged, this, [this] {
        if (const int row = m_sportBox->selectedRow(); row >= 0)
            m_sportBox->edit()->setText(m_sportBox->list()->item(row)->text());
        onSportBoxChanged();
    });
    connect(m_letterBox->edit(), &QLineEdit::textEdited, this, &SportsDialog::onAbbreviationEdited);
    connect(m_letterBox->list(), &QListWidget::itemSelectionChanged, this, [this] {
        if (const int row = m_letterBox->selectedRow(); row >= 0)
            m_letterBox->edit()->setText(m_letterBox->list()->item(row)->text());
    });
    connect(m_sportsList, &QListWidget::itemSelectionChanged, this,
            [this] { m_delete->setEnabled(!m_sportsList->selectedItems().isEmpty()); });
    connect(m_done, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_add, &QPushButton::clicked, this, &SportsDialog::onAdd);
    connect(m_delete, &QPushButton::clicked, this, &SportsDialog::onDelete);
    connect(m_setColor, &QPushButton::clicked, this, &SportsDialog::onSetColor);
}

void SportsDialog::onSportBoxChanged()
{
    const std::string name = m_editor.sportName(latin1Bytes(m_sportBox->edit()->text()), m_sportBox->selectedRow());
    // A box left empty names no sport, so there is nothing to add.
    m_add->setEnabled(!name.empty());
    const int proposed = m_editor.proposedLetter(name);
    if (proposed < 0)
        return;
    m_letterBox->selectRow(proposed);
    m_letterBox->edit()->setText(m_letterBox->list()->item(proposed)->text());
}

void SportsDialog::onAbbreviationEdited()
{
    QLineEdit* edit = m_letterBox->edit();
    const int cursor = edit->cursorPosition();
    edit->setText(edit->text().toUpper());
    edit->setCursorPosition(cursor);
    m_letterBox->selectMatchingItem();
}

void SportsDialog::onAdd()
{
    const std::string name = m_editor.sportName(latin1Bytes(m_sportBox->edit()->text()), m_sportBox->selectedRow());
    const std::string letterText = latin1Bytes(m_letterBox->edit()->text());
    const char letter = letterText.empty() ? '\0' : letterText.front();
    const auto result = m_editor.add(name, letter, m_distanceGroup->checkedId(), m_paceGroup->checkedId(),
                                     m_sportBox->selectedRow(), m_letterBox->selectedRow());
    if (result == SportsEditor::AddResult::ListFull) {
        m_prompt.message(kSportsCaption, kSportsListFull, UserPrompt::Icon::Warning);
        return;
    }
    if (result == SportsEditor::AddResult::NoLetter) {
        m_prompt.message(kSportsCaption, kChooseAbbreviationFirst, UserPrompt::Icon::None);
        return;
    }
    if (result != SportsEditor::AddResult::Added)
        return;
    m_sportBox->edit()->clear();
    m_letterBox->edit()->clear();
    refillBoxes();
    refillSportsList();
    m_add->setEnabled(false);
    m_done->setFocus();
}

void SportsDialog::onDelete()
{
    if (!m_editor.remove(m_sportsList->currentRow()))
        return;
    refillBoxes();
    refillSportsList();
    m_delete->setEnabled(false);
    m_done->setFocus();
}

void SportsDialog::onSetColor()
{
    const int line = m_sportsList->selectedItems().isEmpty() ? -1 : m_sportsList->currentRow();
    if (line < 0) {
        m_prompt.message(kSportsCaption, kChooseSportFirst, UserPrompt::Icon::None);
        return;
    }
    const int slot = SportsEditor::colorSlot(line);
    if (slot < 0) {
        m_prompt.message(kSportsCaption, kSportHasNoColor, UserPrompt::Icon::Information);
        return;
    }
    // The colour takes effect at once; the settings carry it to the user's file.
    if (const std::optional<QColor> chosen = m_chooseColor(colorOfRef(m_settings.sportColors[slot]), this)) {
        m_settings.sportColors[slot] = refOfColor(*chosen);
        m_colorsChanged = true;
    }
}

void SportsDialog::refillBoxes()
{
    QStringList names;
    for (const std::string& name : m_editor.names())
        names << latin1Text(name);
    m_sportBox->setItems(names);
    QStringList letters;
    for (char letter : m_editor.letters())
        letters << latin1Text(std::string_view(&letter, 1));
    m_letterBox->setItems(letters);
}

void SportsDialog::refillSportsList()
{
    const QSignalBlocker quiet(m_sportsList);
    m_sportsList->clear();
    for (const std::string& line : m_editor.listLines())
        m_sportsList->addItem(latin1Text(line));
}
