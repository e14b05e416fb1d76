#include "shell/entry_form_controller.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QToolButton>

#include "shell/entry_dialogs.h"
#include "shell/form_writing.h"
#include "shell/item_menu.h"
#include "shell/logic/keywords_routes.h"
#include "shell/pages/data_entry_page.h"
#include "shell/qt_user_prompt.h"

namespace {

constexpr std::array<FormField, 8> kTabOrder = {FormField::Date,     FormField::Sport,  FormField::Category,
                                                FormField::Distance, FormField::Time,   FormField::Pace,
                                                FormField::Route,    FormField::Comment};
// The Keyword and Autofill menus open 55 pixels in from the page's edge.
constexpr int kMenuX = 55;
constexpr int kAutofillMenuY = 120;

constexpr const char* kSaveText = "Save";
constexpr const char* kModifyText = "Modify";

std::size_t slot(FormField field)
{
    return static_cast<std::size_t>(field);
}

void setBoxText(QPlainTextEdit* box, const std::string& text)
{
    const QString shown = fromLatin1(text);
    if (box->toPlainText() != shown)
        box->setPlainText(shown);
}

EntryDialogs& defaultDialogs()
{
    static QtEntryDialogs dialogs;
    return dialogs;
}

}  // namespace

EntryFormController::EntryFormController(DataEntryPage& page, AppContext& context)
    : QObject(&page), m_page(page), m_context(context), m_dialogs(&defaultDialogs())
{
    m_fields = {page.entryDate(), page.sportCombo(), page.categoryCombo(), page.distanceEdit(),
                page.timeEdit(),  page.paceEdit(),   page.routeEdit(),     page.commentEdit()};
    for (QLineEdit* edit : {page.distanceEdit(), page.timeEdit(), page.paceEdit()})
        edit->setMaxLength(static_cast<int>(kShortFieldLength));
    connect(page.unitsCombo(), &QComboBox::currentIndexChanged, this, [&page](int units) {
        page.distanceEdit()->setMaxLength(
            static_cast<int>(distanceFieldLength(static_cast<DistanceUnit>(std::max(0, units)))));
    });
    // A two-digit year in the file stands for 1950 to 2049 only.
    page.entryDate()->setDateRange(QDate(kFirstEntryYear, 1, 1), QDate(kLastEntryYear, 12, 31));
    for (FormField field : kTabOrder)
        watchField(m_fields[slot(field)], field);

    connect(page.sportCombo(), &QComboBox::currentIndexChanged, this, &EntryFormController::sportChosen);
    connect(page.saveButton(), &QPushButton::clicked, this, [this] { save(); });
    connect(page.clearButton(), &QPushButton::clicked, this, &EntryFormController::clear);
    connect(page.keywordButton(), &QToolButton::clicked, this, &EntryFormController::openKeywordMenu);
    connect(page.autofillButton(), &QToolButton::clicked, this, &EntryFormController::openAutofillMenu);
    connect(page.routeEdit(), &QPlainTextEdit::textChanged, this, [this] { warnIfHandheldLength(FormField::Route); });
    connect(page.commentEdit(), &QPlainTextEdit::textChanged, this,
            [this] { warnIfHandheldLength(FormField::Comment); });
}

QWidget* EntryFormController::fieldWidget(FormField field) const
{
    return m_fields[slot(field)];
}

void EntryFormController::watchField(QWidget* widget, FormField)
{
    widget->installEventFilter(this);
    // The date picker types into an edit of its own.
    for (QWidget* inner : widget->findChildren<QLineEdit*>())
        inner->installEventFilter(this);
}

bool EntryFormController::fieldOf(QObject* watched, FormField& field) const
{
    for (FormField f : kTabOrder) {
        QWidget* widget = m_fields[slot(f)];
        if (watched == widget || (watched->isWidgetType() && widget->isAncestorOf(static_cast<QWidget*>(watched)))) {
            field = f;
            return true;
        }
    }
    return false;
}

EntryForm EntryFormController::readForm() const
{
    EntryForm form;
    form.date = fromQDate(m_page.entryDate()->date());
    form.sport = std::max(0, m_page.sportCombo()->currentIndex());
    form.category = std::max(0, m_page.categoryCombo()->currentIndex());
    form.distance = toLatin1(m_page.distanceEdit()->text());
    form.units = static_cast<DistanceUnit>(std::max(0, m_page.unitsCombo()->currentIndex()));
    form.time = toLatin1(m_page.timeEdit()->text());
    form.pace = toLatin1(m_page.paceEdit()->text());
    form.route = toLatin1(m_page.routeEdit()->toPlainText());
    form.comment = toLatin1(m_page.commentEdit()->toPlainText());
    form.computed = m_computed;
    return form;
}

void EntryFormController::writeForm(const EntryForm& form)
{
    const QScopedValueRollback writing(m_writing, true);
    const QDate date = toQDate(form.date);
    if (date.isValid() && m_page.entryDate()->date() != date)
        m_page.entryDate()->setDate(date);
    setComboIndex(m_page.sportCombo(), form.sport);
    setComboIndex(m_page.categoryCombo(), form.category);
    setLineText(m_page.distanceEdit(), form.distance);
    setComboIndex(m_page.unitsCombo(), static_cast<int>(form.units));
    setLineText(m_page.timeEdit(), form.time);
    setLineText(m_page.paceEdit(), form.pace);
    setBoxText(m_page.routeEdit(), form.route);
    setBoxText(m_page.commentEdit(), form.comment);
    m_computed = form.computed;
    m_page.setPaceUnitsLabel(fromLatin1(paceLabel(m_context.store, form.sport)));
}

SportUnits EntryFormController::formUnits(const EntryForm& form) const
{
    const LogStore& store = m_context.store;
    return store.unitsOf(static_cast<std::uint16_t>(validSport(store, form.sport)));
}

void EntryFormController::leave(FormField field)
{
    EntryForm form = readForm();
    UserPrompt& prompt = m_context.prompt;
    leaveField(form, field, formUnits(form), [&prompt](const std::string& text) {
        prompt.message(kInputErrorCaption, text, UserPrompt::Icon::Warning);
    });
    writeForm(form);
}

int EntryFormController::save()
{
    LogStore& store = m_context.store;
    const int index = storeEntry(readForm(), store, m_context.settings.downloadLog, m_context.prompt);
    if (index < 0)
        return -1;
    ShellState& state = m_context.state;
    state.dayEntry = index;
    state.weekFirst = store.entry(static_cast<std::size_t>(index)).weekIndex;
    state.revealEntry = index;
    clear();
    emit m_page.logChanged();
    return index;
}

void EntryFormController::clear()
{
    EntryForm form = readForm();
    clearForm(form, m_context.store);
    writeForm(form);
    m_context.store.editingIndex = -1;
    updateSaveLabel();
    const QScopedValueRollback writing(m_writing, true);
    m_page.entryDate()->setFocus(Qt::OtherFocusReason);
}

void EntryFormController::fillFromEntry(int entry, bool modify)
{
    LogStore& store = m_context.store;
    if (entry < 0 || entry >= store.entryCount)
        return;
    EntryForm form = readForm();
    ::fillFromEntry(form, store, store.entry(static_cast<std::size_t>(entry)), modify);
    writeForm(form);
    store.editingIndex = modify ? entry : -1;
    updateSaveLabel();
    const QScopedValueRollback writing(m_writing, true);
    if (QWidget* focus = m_page.focusWidget(); focus && m_page.isAncestorOf(focus))
        focus->clearFocus();
}

void EntryFormController::refresh()
{
    const LogStore& store = m_context.store;
    QComboBox* sports = m_page.sportCombo();
    QStringList names;
    for (int i = 0; i <= store.sportCount; ++i)
        names.append(fromLatin1(store.sports[i].name.view()));
    QStringList shown;
    for (int i = 0; i < sports->count(); ++i)
        shown.append(sports->itemText(i));
    // A log without sports leaves a list that was never filled empty.
    const bool fill = store.sportCount != 0 || sports->count() != 0;
    if (fill && names != shown) {
        {
            const QScopedValueRollback writing(m_writing, true);
            sports->clear();
            sports->addItems(names);
        }
        EntryForm form = readForm();
        applySport(form, store, store.sportCount != 0 ? 1 : 0);
        writeForm(form);
    }
    updateSaveLabel();
    m_page.setPaceUnitsLabel(fromLatin1(paceLabel(store, std::max(0, sports->currentIndex()))));
}

void EntryFormController::updateSaveLabel()
{
    m_page.saveButton()->setText(QString::fromLatin1(m_context.store.editingIndex >= 0 ? kModifyText : kSaveText));
}

void EntryFormController::sportChosen(int index)
{
    if (m_writing || index < 0)
        return;
    EntryForm form = readForm();
    applySport(form, m_context.store, index);
    writeForm(form);
}

void EntryFormController::focusField(FormField field)
{
    const QScopedValueRollback writing(m_writing, true);
    if (field == FormField::Date)
        m_page.focusDate();
    else
        m_fields[slot(field)]->setFocus(Qt::OtherFocusReason);
}

void EntryFormController::moveFocus(FormField from, bool forward)
{
    const int count = static_cast<int>(kTabOrder.size());
    int next = (static_cast<int>(from) + (forward ? 1 : count - 1)) % count;
    // With distance and time typed the pace will be computed: Tab skips it.
    if (forward && from == FormField::Time && !m_page.distanceEdit()->text().isEmpty() &&
        !m_page.timeEdit()->text().isEmpty())
        next = static_cast<int>(FormField::Route);
    m_fields[static_cast<std::size_t>(next)]->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

void EntryFormController::warnIfHandheldLength(FormField field)
{
    auto* box = static_cast<QPlainTextEdit*>(m_fields[slot(field)]);
    if (m_typedInto != box)
        return;
    m_typedInto = nullptr;
    // The document counts a closing paragraph mark of its own.
    if (box->document()->characterCount() - 1 == static_cast<int>(kHandheldFieldLength))
        m_context.prompt.message(kHandheldLengthCaption, kHandheldLengthWarning, UserPrompt::Icon::None);
}

bool EntryFormController::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (m_writing || (type != QEvent::KeyPress && type != QEvent::FocusOut))
        return QObject::eventFilter(watched, event);
    FormField field = FormField::Date;
    if (!fieldOf(watched, field))
        return QObject::eventFilter(watched, event);
    if (type == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        // A dropped list or another window taking the keyboard is not
        // leaving the field; each field is left once, not once per part.
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason && watched == m_fields[slot(field)])
            leave(field);
        return QObject::eventFilter(watched, event);
    }
    auto* key = static_cast<QKeyEvent*>(event);
    const bool plain = !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && plain) {
        leave(field);
        save();
        return true;
    }
    if (key->key() == Qt::Key_Tab && plain) {
        moveFocus(field, !(key->modifiers() & Qt::ShiftModifier));
        return true;
    }
    if (key->key() == Qt::Key_Backtab && plain) {
        moveFocus(field, false);
        return true;
    }
    if (field == FormField::Route || field == FormField::Comment) {
        const QString text = key->text();
        const bool typed = plain && !text.isEmpty() && text.at(0).unicode() >= 0x20 && text.at(0).unicode() != 0x7F;
        m_typedInto = typed ? m_fields[slot(field)] : nullptr;
    }
    return QObject::eventFilter(watched, event);
}

QPoint EntryFormController::menuPlace(int y) const
{
    return m_page.mapToGlobal(m_page.clientRect().topLeft() + QPoint(kMenuX, y));
}

void EntryFormController::openKeywordMenu()
{
    QStringList items;
    const LogStore& store = m_context.store;
    for (int i = 0; i < store.keywordCount; ++i)
        items.append(fromLatin1(keywordLabel(store.keywords[i].text.view())));
    ItemMenu menu(items, QString::fromLatin1(kAddNewItem), &m_page);
    menu.setObjectName(QStringLiteral("keywordMenu"));
    const ItemMenu::Choice choice = menu.choose(menuPlace(m_page.keywordButtonTop()));
    if (choice.index >= 0)
        keywordChosen(choice.index, choice.remove);
}

void EntryFormController::openAutofillMenu()
{
    QStringList items;
    const LogStore& store = m_context.store;
    for (int i = 0; i < store.routeCount; ++i)
        items.append(fromLatin1(routeName(store.routes[i].text.view())));
    ItemMenu menu(items, QString::fromLatin1(kMemorizeItem), &m_page);
    menu.setObjectName(QStringLiteral("autofillMenu"));
    const ItemMenu::Choice choice = menu.choose(menuPlace(kAutofillMenuY));
    if (choice.index >= 0)
        routeChosen(choice.index, choice.remove);
}

void EntryFormController::keywordChosen(int index, bool remove)
{
    LogStore& store = m_context.store;
    if (index < 0)
        return;
    const int keywords = store.keywordCount;
    if (index >= store.keywordCount) {
        if (mayAddKeyword(store, m_context.prompt))
            m_dialogs->addKeyword(&m_page, store);
    } else if (remove) {
        deleteKeyword(store, index, m_context.prompt);
    }
    if (index >= keywords || remove) {
        if (store.keywordCount != keywords)
            emit listsChanged();
        return;
    }
    QPlainTextEdit* comment = m_page.commentEdit();
    comment->insertPlainText(fromLatin1(keywordInsertion(store.keywords[index].text.view())));
    comment->setFocus(Qt::OtherFocusReason);
}

void EntryFormController::routeChosen(int index, bool remove)
{
    LogStore& store = m_context.store;
    if (index < 0)
        return;
    if (index >= store.routeCount) {
        const int routes = store.routeCount;
        memorizeRoute(store, readForm(), m_context.prompt, [this] { return m_dialogs->askRouteName(&m_page); });
        if (store.routeCount != routes)
            emit listsChanged();
        return;
    }
    if (remove) {
        if (deleteRoute(store, index, m_context.prompt))
            emit routesChanged();
        return;
    }
    EntryForm form = readForm();
    const FormField focus = fillFromRoute(form, store, store.routes[index].text.view());
    writeForm(form);
    focusField(focus);
}
