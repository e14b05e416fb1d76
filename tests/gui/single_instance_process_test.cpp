// Two real starts of the desktop program: the second hands its log to the
// first and ends; the first then has that log open.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>
#include <QThread>
#include <memory>

#include "log/clock.h"
#include "log/log_store.h"
#include "scripted_dialogs.h"
#include "scripted_prompt.h"
#include "shell/app_context.h"
#include "shell/logic/app_settings.h"
#include "shell/main_window.h"
#include "shell/single_instance.h"
#include "shell_rig.h"
#include "temp_dir.h"

namespace {

const char* const kLog =
    "Sports List: 1\r\nRunning\tRMmpm\r\nPreferences: 1  1  1  1  1  1  0\r\nRoutes: 0\r\nKeywords: 0\r\n"
    "03/21/02\tTR\t5.2M\t45:30\t8:45\tRiver loop\tEasy day\r\n";

// The test's own folders, its own runtime folder included; an empty
// instance leaves the program to name its socket itself.
QProcessEnvironment environmentFor(const TempDir& dir, const QString& instance, const std::string& runtime = "runtime")
{
    QDir().mkpath(QString::fromStdString(dir.file(runtime)));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), QString::fromStdString(dir.file("config")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), QString::fromStdString(dir.file("data")));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), QString::fromStdString(dir.file(runtime)));
    if (instance.isEmpty())
        env.remove(QStringLiteral("ORVANTA_INSTANCE"));
    else
        env.insert(QStringLiteral("ORVANTA_INSTANCE"), instance);
    return env;
}

QString instanceName()
{
    static int made = 0;
    return QStringLiteral("orvanta-test-%1-%2").arg(QCoreApplication::applicationPid()).arg(++made);
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
    const QString instance = instanceName();

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

// One thing at a time: File > Open's question (here the log-choice dialog
// of a start without a log) is open when a later start hands over its log.
// The log waits, and the later start with it, until the dialog is done.
TEST(SingleInstanceProcess, aLogHandedOverWhileADialogIsOpenWaitsForIt)
{
    TempDir dir;
    const QString other = QString::fromStdString(dir.file("Other.dat"));
    writeFile(other.toStdString(), kLog);
    const QString instance = instanceName();

    QProcess running;  // no log named and none by default: it asks for one
    running.setProcessEnvironment(environmentFor(dir, instance));
    running.start(QStringLiteral(ORVXP_PATH), {});
    ASSERT_TRUE(running.waitForStarted(10000));
    std::optional<QString> open;
    for (int i = 0; i < 100 && !open; ++i) {
        SingleInstance client(instance);
        if (!(open = client.queryOpenLog()))
            QThread::msleep(100);
    }
    ASSERT_EQ(open.value_or(QStringLiteral("(no answer)")), QString()) << "it runs, no log open";
    QThread::msleep(500);  // the dialog is up

    QProcess later;
    later.setProcessEnvironment(environmentFor(dir, instance));
    later.start(QStringLiteral(ORVXP_PATH), {other});
    ASSERT_TRUE(later.waitForStarted(10000));
    EXPECT_FALSE(later.waitForFinished(2000)) << "the later start waits while the dialog is open";
    SingleInstance client(instance);
    EXPECT_EQ(client.queryOpenLog().value_or(QStringLiteral("(no answer)")), QString())
        << "nothing was opened inside the dialog";

    running.kill();
    running.waitForFinished(5000);
    EXPECT_TRUE(later.waitForFinished(10000));
}

// The same with the running program in this process, so that its dialogs
// answer from a script: File > New shows the Sports dialog, and a later
// start hands over Other.dat meanwhile. Other.dat opens once New is done,
// with all of its entries.
TEST(SingleInstanceProcess, aLogHandedOverDuringNewOpensWholeOnceNewIsDone)
{
    TempDir dir;
    const std::string first = dir.file("First.dat");
    const QString other = QString::fromStdString(dir.file("Other.dat"));
    writeFile(first, kLog);
    writeFile(other.toStdString(), std::string(kLog) + "03/22/02\tTR\t3.1M\t28:00\t\t\t\r\n");

    ShellRig rig(CalendarDate{2004, 3, 21});
    auto& store = rig.store;
    auto& dialogs = rig.dialogs;
    auto& prompt = rig.prompt;
    MainWindow window(rig.context);
    window.show();
    store->setFileName(first);
    window.startUp();
    ASSERT_EQ(store->entryCount, 1);

    const QString instance = instanceName();
    SingleInstance running(instance);
    ASSERT_EQ(running.listen(), SingleInstance::Role::Running);
    running.setHandler([&window](const QString& path) { window.openHandedOver(path.toStdString()); });
    running.setReadyCheck([&window] { return window.readyForHandOver(); });

    QProcess later;
    dialogs.whileSportsOpen = [&] {
        later.setProcessEnvironment(environmentFor(dir, instance));
        later.start(QStringLiteral(ORVXP_PATH), {other});
        // The dialog's own loop runs while the path comes in.
        QTest::qWait(2000);
        EXPECT_EQ(store->fileName, dir.file("Fresh.dat")) << "nothing was opened inside the dialog";
    };
    prompt.saveNames = {dir.file("Fresh.dat")};
    prompt.answers = {UserPrompt::Answer::No};  // a fresh start, not retaining the sports
    window.action(cmd::New)->trigger();

    EXPECT_TRUE(QTest::qWaitFor([&] { return later.state() == QProcess::NotRunning; }, 10000));
    EXPECT_EQ(later.exitCode(), 0);
    EXPECT_EQ(store->fileName, other.toStdString());
    EXPECT_EQ(store->entryCount, 2) << "New's end did not empty the log handed over";
    EXPECT_TRUE(prompt.unexpected.empty());
    store->modified = false;
}

// A socket path longer than the system allows: the program runs alone and
// says so, rather than ending without a window.
TEST(SingleInstanceProcess, whenNoSocketCanBeMadeTheProgramRunsAloneWithAWarning)
{
    TempDir dir;
    const std::string log = dir.file("Run.dat");
    writeFile(log, kLog);
    QProcess alone;
    alone.setProcessEnvironment(environmentFor(dir, QString(), "runtime/" + std::string(120, 'r')));
    alone.start(QStringLiteral(ORVXP_PATH), {QString::fromStdString(log)});
    ASSERT_TRUE(alone.waitForStarted(10000));
    EXPECT_FALSE(alone.waitForFinished(3000)) << "it keeps running";
    const QString warning = QString::fromLocal8Bit(alone.readAllStandardError());
    EXPECT_TRUE(warning.contains(QStringLiteral("running alone"))) << warning.toStdString();
    alone.kill();
    alone.waitForFinished(5000);
}

}  // namespace
