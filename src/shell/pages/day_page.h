#pragma once

#include "shell/pages/page.h"

// Page 2: the day view, with buttons to step through the entries and to
// delete, modify or duplicate the one shown. The view is painted through
// the page's content painter.
class DayPage : public Page {
    Q_OBJECT
public:
    static constexpr int kIndex = static_cast<int>(PageIndex::Day);

    DayPage(AppContext& context, QWidget* parent);

    QToolButton* forwardButton() const { return m_forward; }
    QToolButton* backButton() const { return m_back; }
    QPushButton* deleteButton() const { return m_delete; }
    QPushButton* modifyButton() const { return m_modify; }
    QPushButton* duplicateButton() const { return m_duplicate; }

    // The entry shown, or -1 when the day view shows none.
    int shownEntry() const;

    // The arrows show their pictures, and Delete, Modify and Duplicate
    // stand, only while an entry is shown.
    void refresh() override;
    // Nothing here is taken from the log beyond its entries: refresh() does it all.
    void reloadFromLog() override {}

protected:
    void placeControls(QSize client) override;
    QColor background() const override;

private:
    void step(int direction);
    void paintView(QPainter& painter, const QRect& area);

    QToolButton* m_forward = nullptr;
    QToolButton* m_back = nullptr;
    QPushButton* m_delete = nullptr;
    QPushButton* m_modify = nullptr;
    QPushButton* m_duplicate = nullptr;
};
