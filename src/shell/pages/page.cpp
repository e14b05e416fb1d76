#include "shell/pages/page.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QFontMetrics>
#include <QLineEdit>
#include <QListView>
#include <QPaintEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProxyStyle>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStringListModel>
#include <QStyleFactory>
#include <QStyledItemDelegate>
#include <QToolButton>
#include <algorithm>

#include "shell/pages/data_entry_page.h"
#include "shell/pages/day_page.h"
#include "shell/pages/graph_page.h"
#include "shell/pages/log_page.h"
#include "shell/pages/select_page.h"
#include "shell/pages/totals_page.h"
#include "shell/pages/week_page.h"

// The button pictures live in the program's resources, built into the same
// static library; naming the initialiser keeps them linked into every program
// that shows a page. It must be called outside any namespace, and once.
static void initPageResources()
{
    Q_INIT_RESOURCE(orvanta);
}

namespace {

// The height of a combo box's dropped list, as its layout gives it.
const char* const kDropHeightProperty = "dropHeight";
// The height a list was given before it was cut to whole rows.
const char* const kAskedHeightProperty = "askedHeight";

// Rows of the program's lists are 16 pixels high. A stand-in until the list
// code brings the delegates that draw the rows.
class SixteenPixelRows : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return QSize(QStyledItemDelegate::sizeHint(option, index).width(), kListRowHeight);
    }
};

// The page's combo boxes give their text the room a closed list box had:
// two pixels from the frame rather than the style's four, so that the
// longest item of a narrow box ("meters" in the units) shows whole.
class CompactComboStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                         const QWidget* widget) const override
    {
        QRect r = QProxyStyle::subControlRect(control, option, sub, widget);
        if (control == CC_ComboBox && sub == SC_ComboBoxEditField)
            r.setLeft(std::max(option->rect.left() + 2, r.left() - 2));
        return r;
    }
};

QStyle* compactComboStyle()
{
    // One for the program, made from the application's style when first needed.
    static QPointer<CompactComboStyle> style;
    if (!style) {
        style = new CompactComboStyle(QStyleFactory::create(QApplication::style()->name()));
        style->setParent(qApp);
    }
    return style;
}

QRect toQRect(const PixelRect& r)
{
    return QRect(r.x, r.y, r.width, r.height);
}

}  // namespace

Page::Page(AppContext& context, int index, QWidget* parent) : QWidget(parent), m_context(context), m_index(index)
{
    static const bool resourcesReady = (initPageResources(), true);
    Q_UNUSED(resourcesReady);
    setObjectName(QStringLiteral("page%1").arg(index));
    // The page paints all of its area itself.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Page::layoutFor(QSize client)
{
    m_windowClient = client;
    placeControls(client);
    update();
}

QRect Page::clientRect() const
{
    return rect().adjusted(kPageBorder, kPageBorder, -kPageBorder, -kPageBorder);
}

QRect Page::pageGeometry(int index, QSize client)
{
    return toQRect(pageRect(index, client.width(), client.height()));
}

void Page::setContentPainter(ContentPainter painter)
{
    m_contentPainter = std::move(painter);
    update();
}

QString Page::dateDisplayFormat(const LogStore& store)
{
    return store.preferences.dateFormat() == DateFormat::DayFirst ? QStringLiteral("dd/MM/yy")
                                                                  : QStringLiteral("MM/dd/yy");
}

QString Page::iconPath(ButtonIcon icon)
{
    switch (icon) {
        case ButtonIcon::Forward:
            return QStringLiteral(":/icons/forward.png");
        case ButtonIcon::Back:
            return QStringLiteral(":/icons/back.png");
        case ButtonIcon::Small:
            break;
    }
    return QStringLiteral(":/icons/small.png");
}

void Page::setButtonPicture(QToolButton* button, ButtonIcon icon, bool shown)
{
    const QString path = iconPath(icon);
    const bool havePicture = shown && QFile::exists(path);
    button->setIcon(havePicture ? QIcon(path) : QIcon());
    button->setIconSize(icon == ButtonIcon::Small ? QSize(12, 12) : QSize(26, 16));
    if (shown && !havePicture && icon != ButtonIcon::Small)
        button->setArrowType(icon == ButtonIcon::Forward ? Qt::RightArrow : Qt::LeftArrow);
    else
        button->setArrowType(Qt::NoArrow);
}

int Page::averageCharWidth(const QFont& font)
{
    return QFontMetrics(font).horizontalAdvance(QString(10, QLatin1Char(' '))) / 10;
}

int Page::dropHeight(const QComboBox* combo)
{
    return combo->property(kDropHeightProperty).toInt();
}

int Page::askedHeight(const QListView* list)
{
    return list->property(kAskedHeightProperty).toInt();
}

void Page::paintClient(QPainter&) {}

void Page::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), background());
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    const QRect client = clientRect();
    painter.setClipRect(client);
    painter.translate(client.topLeft());
    painter.setPen(Qt::black);
    paintClient(painter);
    if (m_contentPainter) {
        painter.save();
        m_contentPainter(painter, QRect(QPoint(0, 0), client.size()));
        painter.restore();
    }
}

void Page::place(QWidget* control, const PixelRect& rect)
{
    QRect r = toQRect(rect).translated(kPageBorder, kPageBorder);
    if (auto* combo = qobject_cast<QComboBox*>(control)) {
        combo->setProperty(kDropHeightProperty, rect.height);
        // The dropped list shows as many rows as fit in its height.
        const int rowHeight = std::max(1, QFontMetrics(combo->font()).height());
        combo->setMaxVisibleItems(std::max(1, (rect.height - 2) / rowHeight));
        r.setHeight(combo->sizeHint().height());
    } else if (qobject_cast<QListView*>(control)) {
        // A list box shows whole rows only: it gives up the part of a row
        // that would not fit, which keeps the bottom of the recent-entries
        // list inside its page.
        control->setProperty(kAskedHeightProperty, rect.height);
        r.setHeight(listRows(rect.height) * kListRowHeight + 2);
    }
    // A window too small for a box leaves it empty rather than inside out.
    r.setWidth(std::max(0, r.width()));
    r.setHeight(std::max(0, r.height()));
    control->setGeometry(r);
}

QWidget* Page::remember(QWidget* control, const QString& name, bool tabStop)
{
    control->setObjectName(name);
    control->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
    m_controls.append(control);
    return control;
}

QPushButton* Page::addButton(const QString& name, const char* text, bool tabStop)
{
    auto* button = new QPushButton(QString::fromLatin1(text), this);
    button->setAutoDefault(false);
    remember(button, name, tabStop);
    return button;
}

QPushButton* Page::addRadio(QButtonGroup* group, int id, const char* text)
{
    auto* button = new QPushButton(QString::fromLatin1(text), this);
    button->setCheckable(true);
    button->setAutoDefault(false);
    group->addButton(button, id);
    remember(button, controlName(id), false);
    return button;
}

QToolButton* Page::addPaintedButton(int id, ButtonIcon icon, QColor fill)
{
    auto* button = new QToolButton(this);
    button->setAutoRaise(true);
    button->setAutoFillBackground(true);
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, fill);
    palette.setColor(QPalette::Window, fill);
    button->setPalette(palette);
    setButtonPicture(button, icon, true);
    remember(button, controlName(id), false);
    return button;
}

QComboBox* Page::addCombo(const QString& name, const QStringList& items, bool tabStop)
{
    auto* combo = new QComboBox(this);
    combo->setStyle(compactComboStyle());
    combo->setEditable(false);
    combo->addItems(items);
    if (!items.isEmpty())
        combo->setCurrentIndex(0);
    remember(combo, name, tabStop);
    return combo;
}

QDateEdit* Page::addDatePicker(const QString& name, bool framed, bool tabStop)
{
    auto* picker = new QDateEdit(this);
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(dateDisplayFormat(m_context.store));
    picker->setFrame(framed);
    remember(picker, name, tabStop);
    return picker;
}

QLineEdit* Page::addLineEdit(const QString& name, bool tabStop)
{
    auto* edit = new QLineEdit(this);
    remember(edit, name, tabStop);
    return edit;
}

QPlainTextEdit* Page::addTextBox(const QString& name)
{
    auto* box = new QPlainTextEdit(this);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setTabChangesFocus(true);
    remember(box, name, true);
    return box;
}

QListView* Page::addList(int id)
{
    auto* list = new QListView(this);
    // A plain text model for now; the owner-drawn lists get their own model
    // and row delegate from the list code.
    list->setModel(new QStringListModel(list));
    list->setItemDelegate(new SixteenPixelRows(list));
    list->setFont(m_context.fonts.listFont);
    // A one-pixel black border, as the page's own.
    list->setFrameShape(QFrame::Box);
    list->setFrameShadow(QFrame::Plain);
    list->setLineWidth(1);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setUniformItemSizes(true);
    // A row longer than the list is cut at its edge, as the columns are
    // counted to be, never shortened with an ellipsis.
    list->setTextElideMode(Qt::ElideNone);
    remember(list, controlName(id), false);
    return list;
}

void Page::followDateFormat()
{
    const QString format = dateDisplayFormat(m_context.store);
    for (QWidget* control : std::as_const(m_controls))
        if (auto* picker = qobject_cast<QDateEdit*>(control); picker && picker->displayFormat() != format)
            picker->setDisplayFormat(format);
}

void Page::refill(QComboBox* combo, const QStringList& items)
{
    const QString chosen = combo->currentText();
    const QSignalBlocker quiet(combo);
    combo->clear();
    combo->addItems(items);
    combo->setCurrentIndex(std::max(0, static_cast<int>(items.indexOf(chosen))));
}

void Page::finishTabOrder()
{
    QWidget* previous = nullptr;
    for (QWidget* control : std::as_const(m_controls)) {
        if (!(control->focusPolicy() & Qt::TabFocus))
            continue;
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

void Page::drawTextAt(QPainter& painter, int x, int y, const QString& text)
{
    painter.drawText(x, y + QFontMetrics(painter.font()).ascent(), text);
}

void Page::drawTextAt(QPainter& painter, const PaintedText& text)
{
    drawTextAt(painter, text.x, text.y, QString::fromLatin1(text.text));
}

void Page::frameRect(QPainter& painter, const QRect& rect, const QColor& color)
{
    painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), color);
    painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), color);
    painter.fillRect(QRect(rect.left(), rect.top(), 1, rect.height()), color);
    painter.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), color);
}

Page* createPage(int index, AppContext& context, QSize client, QWidget* parent)
{
    Page* page = nullptr;
    switch (static_cast<PageIndex>(index)) {
        case PageIndex::DataEntry:
            page = new DataEntryPage(context, parent);
            break;
        case PageIndex::Log:
            page = new LogPage(context, parent);
            break;
        case PageIndex::Day:
            page = new DayPage(context, parent);
            break;
        case PageIndex::Week:
            page = new WeekPage(context, parent);
            break;
        case PageIndex::Totals:
            page = new TotalsPage(context, parent);
            break;
        case PageIndex::Graph:
            page = new GraphPage(context, parent);
            break;
        case PageIndex::Select:
            page = new SelectPage(context, parent);
            break;
    }
    if (!page)
        return nullptr;
    page->hide();
    page->setGeometry(Page::pageGeometry(index, client));
    page->layoutFor(client);
    return page;
}
