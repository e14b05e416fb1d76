// Two real starts of the desktop program: the second hands its log to the
// first and ends; the first then has that log open.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <QThread>

#include "shell/single_instance.h"
#include "temp_dir.h"

namespace {

const char* const kLog =
    "Sports List: 1\r\nRunning\tRMmpm\r\nPreferences: 1  1  1  1  1  1  0\r\nRoutes: 0\r\nKeywords: 0\r\n"
    "03/21/02\tTR\t5.2M\t45:30\t8:45\tRiver loop\tEasy day\r\n";

QProcessEnvironment environmentFor(const TempDir& dir, const QString& instance)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), QString::fromStdString(dir.file("config")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), QString::fromStdString(dir.file("data")));
    env.insert(QStringLiteral("ORVANTA_INSTANCE"), instance);
    return env;
}

// Asks the running program which log it has open, until it says path or
// the time is up.
QString waitForOpenLog(const QString& instance, const QString& path)
{
    QString open;
    for (int i = 0; i < 100 && open != path; ++i) {
        SingleInstance client(instance);
        open = client.queryOpenLog().value_or(QString());
        if (open != path)
            QThread::msleep(100);
    }
    return open;
}

TEST(SingleInstanceProcess, secondStartHandsItsLogToTheFirstAndEnds)
{
    TempDir dir;
    const QString first = QString::fromStdString(dir.file("First.dat"));
    const QString second = QString::fromStdString(dir.file("Second.dat"));
    writeFile(first.toStdString(), kLog);
    writeFile(second.toStdString(), kLog);
    const QString instance = QStringLiteral("orvanta-test-%1").arg(QCoreApplication::applicationPid());

    QProcess running;
    running.setProcessEnvironment(environmentFor(dir, instance));
    running.start(QStringLiteral(ORVXP_PATH), {first});
    ASSERT_TRUE(running.waitForStarted(10000));
    ASSERT_EQ(waitForOpenLog(instance, first), first) << "the first start opens its own log";

    QProcess later;
    later.setProcessEnvironment(environmentFor(dir, instance));
    later.start(QStringLiteral(ORVXP_PATH), {second});
    ASSERT_TRUE(later.waitForFinished(20000));
    EXPECT_EQ(later.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(later.exitCode(), 0);
    EXPECT_EQ(waitForOpenLog(instance, second), second);
    EXPECT_EQ(running.state(), QProcess::Running) << "the first start keeps running";

    QProcess bare;
    bare.setProcessEnvironment(environmentFor(dir, instance));
    bare.start(QStringLiteral(ORVXP_PATH), {});
    ASSERT_TRUE(bare.waitForFinished(20000));
    EXPECT_EQ(bare.exitCode(), 0) << "a start without a log does nothing visible and ends";
    EXPECT_EQ(waitForOpenLog(instance, second), second);

    running.kill();
    running.waitForFinished(5000);
}

}  // namespace
