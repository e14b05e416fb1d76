// The floor of the start-up benchmark: a bare Qt 6 window holding a list of
// 10,000 rows, each as long as a row of the Log page, and nothing else.
#include <QApplication>
#include <QListView>
#include <QScreen>
#include <QStringList>
#include <QStringListModel>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QStringList rows;
    rows.reserve(10000);
    for (int i = 0; i < 10000; ++i)
        rows.append(QStringLiteral("%1/%2/02 TR   5.2M    45:12  8:41 River loop: boathouse, both bridges")
                        .arg(i % 12 + 1, 2, 10, QLatin1Char('0'))
                        .arg(i % 28 + 1, 2, 10, QLatin1Char('0')));
    QStringListModel model(rows);
    QListView view;
    view.setModel(&model);
    view.setUniformItemSizes(true);
    view.setWindowTitle(QStringLiteral("Start floor - 10000 rows"));
    // The size the program takes at its first start: the whole work area.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        view.setGeometry(screen->availableGeometry());
    view.show();
    return app.exec();
}
