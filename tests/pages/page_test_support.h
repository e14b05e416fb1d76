#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QFont>
#include <QFontInfo>
#include <QImage>
#include <QWidget>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "combo_texts.h"
#include "log/clock.h"
#include "log/log_reader.h"
#include "log/log_store.h"
#include "log/settings_store.h"
#include "scripted_dialogs.h"
#include "scripted_prompt.h"
#include "shell/app_context.h"
#include "shell/logic/app_settings.h"
#include "shell/pages/page.h"

#ifndef ORV_TEST_DATA_DIR
#error "ORV_TEST_DATA_DIR must name the folder of the sample logs"
#endif

namespace pagetest {

// Friday, 17 May 2024: the week from Monday 13 May.
inline constexpr CalendarDate kToday{2024, 5, 17};

// A control's rectangle in its page's client area, where the page layout
// measures from (inside the page's one-pixel border).
inline QRect clientGeometry(const QWidget* control)
{
    return control->geometry().translated(-kPageBorder, -kPageBorder);
}

// x, y and width: a combo box's height is its own; the layout's is its list's.
inline QRect comboPlace(const QWidget* combo)
{
    const QRect r = clientGeometry(combo);
    return QRect(r.x(), r.y(), r.width(), 0);
}

// The object name and class of every direct child control, in creation order.
inline std::vector<std::pair<QString, QString>> controlsOf(const QWidget* page)
{
    std::vector<std::pair<QString, QString>> out;
    for (const QObject* child : page->children())
        if (child->isWidgetType())
            out.emplace_back(child->objectName(), QString::fromLatin1(child->metaObject()->className()));
    return out;
}

// The page's controls that Tab reaches, in the order Tab reaches them.
inline std::vector<QString> tabChainOf(QWidget* page)
{
    std::vector<QString> names;
    QWidget* w = page->nextInFocusChain();
    for (int guard = 0; w != page && guard < 500; ++guard, w = w->nextInFocusChain())
        if (w->parentWidget() == page && (w->focusPolicy() & Qt::TabFocus))
            names.push_back(w->objectName());
    return names;
}

inline QString resolvedFamily(const QFont& font)
{
    return QFontInfo(font).family();
}

class PageTest : public ::testing::Test {
protected:
    std::unique_ptr<LogStore> storeOwner = std::make_unique<LogStore>();
    LogStore& store = *storeOwner;
    AppSettings settings = defaultSettings();
    MemorySettingsStore settingsStore;
    ScriptedPrompt prompt;
    FixedClock clock{kToday};
    ShellState state;
    ScriptedDialogs dialogs;
    ShellFonts fonts = ShellFonts::create();
    AppContext context{store, settings, settingsStore, prompt, clock, state, dialogs, fonts};

    void TearDown() override { EXPECT_TRUE(prompt.unexpected.empty()); }

    void loadLog(const char* name)
    {
        store.setFileName(std::string(ORV_TEST_DATA_DIR) + "/" + name);
        ASSERT_EQ(readLog(store, prompt), ReadResult::Ok);
    }

    template <class P>
    std::unique_ptr<P> make(QSize client = QSize(640, 480))
    {
        std::unique_ptr<Page> page(createPage(P::kIndex, context, client, nullptr));
        P* typed = qobject_cast<P*>(page.get());
        EXPECT_NE(typed, nullptr);
        if (!typed)
            return nullptr;
        page.release();
        return std::unique_ptr<P>(typed);
    }

    // As the main window does on a resize: the page's new place, then its controls.
    static void resizeTo(Page& page, QSize client)
    {
        page.setGeometry(Page::pageGeometry(page.index(), client));
        page.layoutFor(client);
    }
};

// The page shown and drawn as on screen; also written to the build folder's
// rendered/ as name.png.
inline QImage renderPage(QWidget& page, const QString& name)
{
    page.show();
    QImage image(page.size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    page.render(&image);
    QDir().mkpath(QStringLiteral(ORV_RENDER_DIR));
    image.save(QStringLiteral(ORV_RENDER_DIR "/") + name + QStringLiteral(".png"));
    return image;
}

// The colour at a point of the page's client area.
inline QColor clientPixel(const QImage& image, int x, int y)
{
    return QColor(image.pixel(x + kPageBorder, y + kPageBorder));
}

}  // namespace pagetest
