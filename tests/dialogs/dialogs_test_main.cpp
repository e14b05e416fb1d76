#include <gtest/gtest.h>

#include <QApplication>
#include <QtGlobal>
#include <clocale>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Numbers never follow the user's locale, in the program as here.
    std::setlocale(LC_NUMERIC, "C");
    Q_INIT_RESOURCE(orvanta);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
