#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QListWidget>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <string>
#include <vector>

namespace dialogtest {

// A control by the id it was given ("ctl<id>"); a missing one fails the test.
template <typename Control>
Control* control(const QWidget* dialog, int id)
{
    auto* found = dialog->findChild<Control*>(QStringLiteral("ctl%1").arg(id));
    EXPECT_NE(found, nullptr) << "no control " << id;
    return found;
}

inline void click(const QWidget* dialog, int id)
{
    if (auto* button = control<QAbstractButton>(dialog, id))
        button->click();
}

inline bool isChecked(const QWidget* dialog, int id)
{
    auto* button = control<QAbstractButton>(dialog, id);
    return button && button->isChecked();
}

inline std::vector<std::string> rows(const QListWidget* list)
{
    std::vector<std::string> out;
    for (int i = 0; i < list->count(); ++i)
        out.push_back(list->item(i)->text().toStdString());
    return out;
}

// Acts on the modal dialog that a call is about to show, once it is up.
inline void whenModal(std::function<void(QWidget*)> act, int triesLeft = 200)
{
    QTimer::singleShot(10, [act = std::move(act), triesLeft] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && modal->isVisible())
            act(modal);
        else if (triesLeft > 0)
            whenModal(act, triesLeft - 1);
    });
}

}  // namespace dialogtest
