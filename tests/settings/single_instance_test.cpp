// One running program per user: a later start hands its log to the running
// one and waits until it is opened; a start without a log sends nothing; a
// socket left behind by a program that died is no obstacle.

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <QThread>
#include <atomic>
#include <cstring>
#include <mutex>
#include <string>
#include <vector>

#include "shell/single_instance.h"

namespace {

// A running program in a thread of its own, as it would be in another
// process: the calling test blocks in handOver while it serves.
class RunningInstance {
public:
    explicit RunningInstance(const QString& name, unsigned long handlerMs = 0) : m_handlerMs(handlerMs)
    {
        m_instance = new SingleInstance(name);
        m_instance->setHandler([this](const QString& path) {
            // Opening a log takes a while; the caller must wait for all of it.
            QThread::msleep(m_handlerMs);
            std::lock_guard<std::mutex> lock(m_mutex);
            m_paths.push_back(path.toStdString());
        });
        m_instance->moveToThread(&m_thread);
        m_thread.start();
        QMetaObject::invokeMethod(
            m_instance, [this] { m_listening = m_instance->listen() == SingleInstance::Role::Running; },
            Qt::BlockingQueuedConnection);
    }
    ~RunningInstance()
    {
        QMetaObject::invokeMethod(
            m_instance, [this] { delete m_instance; }, Qt::BlockingQueuedConnection);
        m_thread.quit();
        m_thread.wait();
    }

    bool listening() const { return m_listening; }
    std::vector<std::string> paths()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_paths;
    }

private:
    QThread m_thread;
    SingleInstance* m_instance = nullptr;
    std::atomic<bool> m_listening{false};
    unsigned long m_handlerMs;
    std::mutex m_mutex;
    std::vector<std::string> m_paths;
};

class SingleInstanceTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }
    // A name of this test's own, so tests never meet each other or a running
    // program.
    QString socketName() const { return m_dir.filePath(QStringLiteral("orvanta")); }

    QTemporaryDir m_dir;
};

TEST_F(SingleInstanceTest, aLaterStartHandsItsLogToTheRunningOne)
{
    RunningInstance running(socketName(), 200);
    ASSERT_TRUE(running.listening());

    SingleInstance later(socketName());
    const QString path = QStringLiteral("/home/ann/L\u00e4ufe/Fr\u00fchjahr.dat");
    EXPECT_TRUE(later.handOver(path));

    // handOver returned only after the running program had opened the log.
    EXPECT_EQ(std::vector<std::string>{path.toStdString()}, running.paths());
}

TEST_F(SingleInstanceTest, handOversAreServedInTurn)
{
    RunningInstance running(socketName());
    ASSERT_TRUE(running.listening());

    SingleInstance later(socketName());
    EXPECT_TRUE(later.handOver(QStringLiteral("/logs/one.dat")));
    EXPECT_TRUE(later.handOver(QStringLiteral("/logs/two.dat")));

    EXPECT_EQ((std::vector<std::string>{"/logs/one.dat", "/logs/two.dat"}), running.paths());
}

TEST_F(SingleInstanceTest, aStartWithoutALogSendsNothing)
{
    QLocalServer listener;
    ASSERT_TRUE(listener.listen(socketName()));

    SingleInstance later(socketName());
    EXPECT_TRUE(later.handOver(QString()));

    ASSERT_TRUE(listener.waitForNewConnection(5000));
    QLocalSocket* caller = listener.nextPendingConnection();
    ASSERT_NE(nullptr, caller);
    if (caller->state() == QLocalSocket::ConnectedState)
        caller->waitForDisconnected(5000);
    EXPECT_EQ(QByteArray(), caller->readAll());
}

TEST_F(SingleInstanceTest, aStartWithoutALogLeavesTheRunningOneAlone)
{
    RunningInstance running(socketName());
    ASSERT_TRUE(running.listening());

    SingleInstance later(socketName());
    EXPECT_TRUE(later.handOver(QString()));
    EXPECT_TRUE(later.handOver(QStringLiteral("/logs/run.dat")));

    EXPECT_EQ(std::vector<std::string>{"/logs/run.dat"}, running.paths());
}

TEST_F(SingleInstanceTest, aSecondListenerGivesWayAndLeavesTheFirstReachable)
{
    SingleInstance first(socketName());
    ASSERT_EQ(first.listen(), SingleInstance::Role::Running);

    SingleInstance second(socketName());
    EXPECT_EQ(second.listen(), SingleInstance::Role::Later);

    QLocalSocket probe;
    probe.connectToServer(socketName());
    EXPECT_TRUE(probe.waitForConnected(5000));
}

TEST_F(SingleInstanceTest, withNobodyRunningThereIsNoOneToHandOverTo)
{
    SingleInstance later(socketName());
    EXPECT_FALSE(later.handOver(QStringLiteral("/logs/run.dat")));
    EXPECT_FALSE(later.handOver(QString()));
}

TEST_F(SingleInstanceTest, aSocketLeftByAProgramThatDiedIsTakenOver)
{
    // Bound and closed without removing: what a crashed program leaves.
    const QByteArray path = QFile::encodeName(socketName());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(static_cast<std::size_t>(path.size()), sizeof address.sun_path);
    std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
    ASSERT_EQ(0, ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address));
    ::close(fd);
    ASSERT_TRUE(QFileInfo::exists(socketName()));

    RunningInstance running(socketName());
    EXPECT_TRUE(running.listening());

    SingleInstance later(socketName());
    EXPECT_TRUE(later.handOver(QStringLiteral("/logs/run.dat")));
    EXPECT_EQ(std::vector<std::string>{"/logs/run.dat"}, running.paths());
}

TEST_F(SingleInstanceTest, theNameIsFreeOnceTheRunningOneHasEnded)
{
    {
        SingleInstance first(socketName());
        ASSERT_EQ(first.listen(), SingleInstance::Role::Running);
    }
    SingleInstance next(socketName());
    EXPECT_EQ(next.listen(), SingleInstance::Role::Running);
}

TEST_F(SingleInstanceTest, onlyItsOwnUserMayConnect)
{
    SingleInstance running(socketName());
    ASSERT_EQ(running.listen(), SingleInstance::Role::Running);
    struct stat info {};
    ASSERT_EQ(0, ::stat(QFile::encodeName(socketName()).constData(), &info));
    EXPECT_TRUE(S_ISSOCK(info.st_mode));
    EXPECT_EQ(static_cast<mode_t>(S_IRWXU), info.st_mode & 0777);
}

TEST_F(SingleInstanceTest, aCallerSendingEndlessBytesIsCutOffAndOthersAreStillServed)
{
    RunningInstance running(socketName());
    ASSERT_TRUE(running.listening());

    QLocalSocket flood;
    flood.connectToServer(socketName());
    ASSERT_TRUE(flood.waitForConnected(5000));
    flood.write(QByteArray(100 * 1024, 'x'));
    flood.flush();
    flood.waitForDisconnected(5000);
    EXPECT_NE(QLocalSocket::ConnectedState, flood.state()) << "no line end within 64 KiB: not one of us";

    SingleInstance later(socketName());
    EXPECT_TRUE(later.handOver(QStringLiteral("/logs/run.dat")));
    EXPECT_EQ(std::vector<std::string>{"/logs/run.dat"}, running.paths());
}

// Sets environment variables for one test and puts them back afterwards.
class ScopedEnvironment {
public:
    void set(const char* name, const QString& value)
    {
        remember(name);
        qputenv(name, QFile::encodeName(value));
    }
    void unset(const char* name)
    {
        remember(name);
        qunsetenv(name);
    }
    ~ScopedEnvironment()
    {
        for (const auto& [name, value] : m_saved)
            value.isNull() ? qunsetenv(name) : qputenv(name, value);
    }

private:
    void remember(const char* name)
    {
        for (const auto& saved : m_saved)
            if (std::strcmp(saved.first, name) == 0)
                return;
        m_saved.emplace_back(name, qgetenv(name));
    }
    std::vector<std::pair<const char*, QByteArray>> m_saved;
};

TEST(SingleInstanceName, isPerUserAndFollowsTheRuntimeFolder)
{
    QTemporaryDir runtime;
    ASSERT_TRUE(runtime.isValid());
    ScopedEnvironment env;
    env.unset("DISPLAY");
    env.unset("WAYLAND_DISPLAY");

    env.set("XDG_RUNTIME_DIR", runtime.path());
    EXPECT_EQ(QDir(runtime.path()).filePath(QStringLiteral("orvanta")).toStdString(),
              SingleInstance::defaultName().toStdString());
    env.unset("XDG_RUNTIME_DIR");
    EXPECT_EQ("orvanta-" + std::to_string(::getuid()), SingleInstance::defaultName().toStdString());
}

TEST(SingleInstanceName, twoDisplaysOfOneUserGetTwoNames)
{
    QTemporaryDir runtime;
    ASSERT_TRUE(runtime.isValid());
    ScopedEnvironment env;
    env.set("XDG_RUNTIME_DIR", runtime.path());
    env.unset("WAYLAND_DISPLAY");
    const std::string base = QDir(runtime.path()).filePath(QStringLiteral("orvanta")).toStdString();

    env.set("DISPLAY", QStringLiteral(":0"));
    EXPECT_EQ(base + "-_0", SingleInstance::defaultName().toStdString());
    env.set("DISPLAY", QStringLiteral("localhost:10.0"));
    EXPECT_EQ(base + "-localhost_10.0", SingleInstance::defaultName().toStdString());
    env.set("WAYLAND_DISPLAY", QStringLiteral("wayland-1"));
    EXPECT_EQ(base + "-wayland-1", SingleInstance::defaultName().toStdString()) << "the session's own display first";
}

TEST(SingleInstanceAlone, aSocketThatCannotBeMadeLeavesTheProgramRunningAlone)
{
    // Longer than any local socket path can be.
    const QString name = QDir::tempPath() + QLatin1Char('/') + QString(200, QLatin1Char('x'));
    SingleInstance instance(name);
    EXPECT_EQ(instance.listen(), SingleInstance::Role::Alone);
    EXPECT_FALSE(instance.errorString().isEmpty());
}

}  // namespace
