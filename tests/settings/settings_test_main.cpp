// The settings and single-instance tests run with a QCoreApplication and a
// settings folder of their own, set before any settings object exists: Qt
// reads XDG_CONFIG_HOME once.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTemporaryDir>
#include <clocale>

int main(int argc, char** argv)
{
    QTemporaryDir config;
    if (!config.isValid())
        return 1;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    QCoreApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
