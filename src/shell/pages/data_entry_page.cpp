#include "shell/pages/data_entry_page.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

#include "shell/entry_form_controller.h"
#include "shell/form_writing.h"
#include "shell/entry_list_controller.h"
#include "shell/entry_list_model.h"
#include "shell/logic/entry_lists.h"

namespace {

const QColor kLightYellow(255, 255, 127);  // 0x7FFFFF

}  // namespace

DataEntryPage::DataEntryPage(AppContext& context, QWidget* parent) : Page(context, kIndex, parent)
{
    createForm();
    m_keyword = addPaintedButton(ctl::KeywordButton, ButtonIcon::Small, Qt::white);
    m_autofill = addPaintedButton(ctl::AutofillButton, ButtonIcon::Small, Qt::white);
    m_save = addButton(controlName(ctl::Save), "Save");
    m_save->setDefault(true);
    m_clear = addButton(controlName(ctl::Clear), "Clear");
    m_recent = addList(ctl::RecentList);
    m_recentModel = new EntryListModel(context.store, false, m_recent);
    m_recent->setModel(m_recentModel);
    m_recent->setItemDelegate(new SixteenPixelRowDelegate(m_recent));
    m_recent->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    m_recentController = new EntryListController(*m_recent, *m_recentModel, *this, context);
    m_listCharWidth = averageCharWidth(context.fonts.listFont);

    for (QWidget* control : formControls())
        control->setFont(context.fonts.pageFont);
    finishTabOrder();
    m_form = new EntryFormController(*this, context);
    refresh();
    m_date->setFocus();
}

DataEntryPage::~DataEntryPage()
{
    // The form stops watching its fields before they go: a field losing the
    // focus as it is destroyed must not be read with its neighbours gone.
    delete m_form;
    m_form = nullptr;
}

void DataEntryPage::focusDate()
{
    m_date->setFocus(Qt::OtherFocusReason);
    m_date->setSelectedSection(m_date->sectionAt(0));
}

void DataEntryPage::reloadFromLog()
{
    followDateFormat();
}

void DataEntryPage::refresh()
{
    m_form->refresh();
    const EntryRows rows = entryRows(m_context.store, m_context.settings.selectionDisplayMode);
    m_context.store.shownCount = static_cast<std::uint16_t>(rows.selectedCount);
    const int count = static_cast<int>(rows.recent.size());
    m_recentModel->setRows(rows.recent, rowTextWidth(m_listWidth, m_listCharWidth), false);
    if (count > 0)
        m_recent->scrollTo(m_recentModel->index(endTopRow(count, kRecentVisibleRows)),
                           QAbstractItemView::PositionAtTop);
}

void DataEntryPage::createForm()
{
    m_date = addDatePicker(QStringLiteral("entryDate"), true, true);
    m_date->setDate(toQDate(m_context.clock.today()));
    m_sport = addCombo(controlName(ctl::Sport), {});
    m_category = addCombo(controlName(ctl::Category),
                          {QStringLiteral("Training"), QStringLiteral("Intervals"), QStringLiteral("Race")});
    m_distance = addLineEdit(QStringLiteral("distanceEdit"));
    m_units = addCombo(controlName(ctl::DistanceUnits), {QString(), QStringLiteral("miles"), QStringLiteral("km"),
                                                         QStringLiteral("yards"), QStringLiteral("meters")});
    m_time = addLineEdit(QStringLiteral("timeEdit"));
    m_pace = addLineEdit(QStringLiteral("paceEdit"));
    m_route = addTextBox(QStringLiteral("routeEdit"));
    m_comment = addTextBox(QStringLiteral("commentEdit"));
}

std::array<QWidget*, DataEntryPage::kFormSlots> DataEntryPage::formControls() const
{
    return {m_date, m_sport, m_category, m_distance, m_units, m_time, m_pace, m_route, m_comment, m_save, m_clear};
}

void DataEntryPage::setPaceUnitsLabel(const QString& text)
{
    m_paceUnits = text;
    const PaintedText at = dataEntryPainting(clientRect().height(), m_keywordButtonTop).paceUnits;
    update(QRect(at.x, at.y, 40, 16).translated(clientRect().topLeft()));
}

void DataEntryPage::placeControls(QSize client)
{
    const DataEntryGeometry g = dataEntryGeometry(client.width(), client.height());
    place(m_date, g.date);
    place(m_sport, g.sport);
    place(m_category, g.category);
    place(m_distance, g.distance);
    place(m_units, g.units);
    place(m_time, g.time);
    place(m_pace, g.pace);
    place(m_route, g.route);
    place(m_comment, g.comment);
    place(m_keyword, g.keywordButton);
    place(m_autofill, g.autofillButton);
    place(m_save, g.save);
    place(m_clear, g.clear);
    place(m_recent, g.recent);
    m_keywordButtonTop = g.keywordButtonTop;
    m_autofillButtonTop = g.autofillButtonTop;
    m_listWidth = g.listWidth;
    m_recentModel->setTextWidth(rowTextWidth(m_listWidth, m_listCharWidth));
}

void DataEntryPage::paintClient(QPainter& painter)
{
    const DataEntryPainting p = dataEntryPainting(clientRect().height(), m_keywordButtonTop);
    painter.setFont(m_context.fonts.smallFont);
    for (const PaintedText& label : p.labels)
        drawTextAt(painter, label);
    drawTextAt(painter, p.paceUnits.x, p.paceUnits.y, m_paceUnits);

    painter.setFont(m_context.fonts.tabFont);
    drawTextAt(painter, p.autofill);
    frameRect(painter, QRect(p.autofillFrame.x, p.autofillFrame.y, p.autofillFrame.width, p.autofillFrame.height),
              Qt::black);
    drawTextAt(painter, p.keyword);
    frameRect(painter, QRect(p.keywordFrame.x, p.keywordFrame.y, p.keywordFrame.width, p.keywordFrame.height),
              Qt::black);
    paintBand(painter, p);
}

void DataEntryPage::paintBand(QPainter& painter, const DataEntryPainting& p)
{
    const int width = clientRect().width();
    painter.fillRect(QRect(0, p.bandTop, width, clientRect().height() - p.bandTop), kLightYellow);
    painter.fillRect(QRect(0, p.lineY, width, 1), Qt::black);
    painter.setFont(m_context.fonts.smallFont);
    drawTextAt(painter, p.recentEntries);
}
