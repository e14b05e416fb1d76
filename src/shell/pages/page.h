#pragma once

#include <QColor>
#include <QList>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <string_view>

#include "shell/app_context.h"
#include "shell/logic/page_layout.h"

class QButtonGroup;
class QComboBox;
class QDateEdit;
class QFont;
class QLineEdit;
class QListView;
class QPainter;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

// The page controls' ids, as the commands of the controls know them.
namespace ctl {
enum : int {
    // Data Entry
    Save = 2000,
    Clear = 2001,
    AutofillButton = 2002,
    KeywordButton = 2003,
    Sport = 2004,
    Category = 2005,
    DistanceUnits = 2006,
    RecentList = 1060,
    // Log
    LogList = 3000,
    // Day
    DayBack = 1030,
    DayForward = 1031,
    Delete = 3001,
    Duplicate = 3002,
    Modify = 3003,
    // Week
    WeekBack = 1032,
    WeekForward = 1033,
    WeekDate = 3050,
    OneWeek = 3051,
    FourWeeks = 3052,
    // Totals
    TotalsList = 3004,
    TotalsWeek = 3060,
    TotalsMonth = 3061,
    TotalsYear = 3062,
    // Graph
    GraphBack = 1070,
    GraphForward = 1071,
    GraphPeriod = 3070,
    GraphDate = 3071,
    GraphType = 3072,
    GraphSport = 3073,
    // Select
    SelectClear = 3005,
    Select = 3006,
    SelectMore = 3007,
    SelectFewer = 3008,
    SelectAll = 3009,
    SelectReverse = 3010,
    RouteTest = 3020,
    RouteText = 3021,
    CommentTest = 3022,
    CommentText = 3023,
    FromDate = 3024,
    ToDate = 3025,
    SelectCategory = 3026,
    SelectSport = 3027,
    TimeTest = 3028,
    TimeValue = 3030,
    TimeUpper = 3031,
    DistanceTest = 3032,
    DistanceValue = 3034,
    DistanceUpper = 3035,
    PaceTest = 3036,
    PaceValue = 3038,
    PaceUpper = 3039,
    SelectRoute = 3040,
    ShowSelectedOnly = 3041,
    ShowAllHighlight = 3042,
    SelectKeyword = 3043,
};
}

// The object name of a page control, from its control id: "ctl2004".
inline QString controlName(int id)
{
    return QStringLiteral("ctl%1").arg(id);
}

// A text of the log (8-bit, Latin-1) for showing.
inline QString fromLogText(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// One tab page. Pages place their controls at fixed pixel positions measured
// from the main window's client size; a resize lays them out anew and keeps
// what they hold.
class Page : public QWidget {
    Q_OBJECT
public:
    // Paints a view (day, week, graph) into the page's client area.
    using ContentPainter = std::function<void(QPainter&, const QRect&)>;
    // The pictures on the owner-drawn buttons.
    enum class ButtonIcon { Forward, Back, Small };

    Page(AppContext& context, int index, QWidget* parent);

    int index() const { return m_index; }
    // cw, ch: the main window's client width and height (tab strip included).
    // Moves every control to its place for that size; nothing they hold changes.
    void layoutFor(QSize client);
    QSize windowClient() const { return m_windowClient; }
    // The log or the selection changed: show it anew.
    virtual void refresh() {}
    // The log was replaced or its lists changed (Open, New, a hand-over,
    // Merge, Revert to Saved, the Sports and Preferences dialogs): whatever
    // the page took from the log when it was built (sports, keywords, routes,
    // the span of its dates, the date order of its pickers) is taken anew.
    // What the person chose stays where the new lists still hold it. The
    // main window calls refresh() right after.
    virtual void reloadFromLog() = 0;

signals:
    // Asks the main window to show another page (a double click on an entry,
    // Modify and Duplicate going to the form).
    void showPageRequested(int index);
    // The entries or the selection changed here: every page shows the log
    // anew and the title is set again.
    void logChanged();

public:
    // The area inside the page's border, in page coordinates.
    QRect clientRect() const;
    // Where a page sits in the main window's client area.
    static QRect pageGeometry(int index, QSize client);

    // The view drawn on this page after its own painting; empty draws nothing.
    void setContentPainter(ContentPainter painter);

    // "MM/dd/yy" or "dd/MM/yy" by the log's date format.
    static QString dateDisplayFormat(const LogStore& store);
    // Resource path of a button picture; the file may not exist yet.
    static QString iconPath(ButtonIcon icon);
    // Shows or clears the picture of an owner-drawn button. A picture not yet
    // in the resources is stood in for by the style's arrow.
    static void setButtonPicture(QToolButton* button, ButtonIcon icon, bool shown);
    // The average character width of a font: ten blanks' width over ten.
    static int averageCharWidth(const QFont& font);
    // The height of the list that drops from a combo box (its layout height).
    static int dropHeight(const QComboBox* combo);
    // The height a list's layout gives it; the list itself keeps whole rows of it.
    static int askedHeight(const QListView* list);

protected:
    // Places the controls for the main window's client size (cw, ch).
    virtual void placeControls(QSize client) = 0;
    // Paints the page's own texts; the painter's origin is the client area's corner.
    virtual void paintClient(QPainter& painter);
    // The client area's fill; white unless a page says otherwise.
    virtual QColor background() const { return Qt::white; }

    void paintEvent(QPaintEvent* event) override;

    // Moves a control to a rectangle of the client area. A combo box takes its
    // own closed height; the rectangle's height is that of its dropped list.
    // A list keeps the whole 16-pixel rows of its height, and two for its border.
    void place(QWidget* control, const PixelRect& rect);

    // The controls, each named, made a child of the page and remembered in
    // creation order (which is the tab order). tabStop: reached by Tab.
    QPushButton* addButton(const QString& name, const char* text, bool tabStop = false);
    QPushButton* addRadio(QButtonGroup* group, int id, const char* text);
    QToolButton* addPaintedButton(int id, ButtonIcon icon, QColor fill);
    QComboBox* addCombo(const QString& name, const QStringList& items, bool tabStop = true);
    QDateEdit* addDatePicker(const QString& name, bool framed, bool tabStop);
    QLineEdit* addLineEdit(const QString& name, bool tabStop = true);
    QPlainTextEdit* addTextBox(const QString& name);
    QListView* addList(int id);

    // Every date picker of the page shows dates in the log's date order.
    void followDateFormat();
    // Fills a combo box with items anew, keeping the chosen text when it is
    // still there (else the first item).
    static void refill(QComboBox* combo, const QStringList& items);

    // Gives every tab-stop control its place in the focus chain, in creation order.
    void finishTabOrder();
    const QList<QWidget*>& controls() const { return m_controls; }

    // Text with its top-left corner at (x, y), rather than its baseline.
    static void drawTextAt(QPainter& painter, int x, int y, const QString& text);
    static void drawTextAt(QPainter& painter, const PaintedText& text);
    // A one-pixel frame on the inside edge of rect.
    static void frameRect(QPainter& painter, const QRect& rect, const QColor& color);

    AppContext& m_context;

private:
    QWidget* remember(QWidget* control, const QString& name, bool tabStop);

    int m_index;
    QSize m_windowClient;
    QList<QWidget*> m_controls;
    ContentPainter m_contentPainter;
};

// Creates page index (0..6) for a main window client of the given size,
// placed and laid out for it (hidden until shown).
Page* createPage(int index, AppContext& context, QSize client, QWidget* parent);
