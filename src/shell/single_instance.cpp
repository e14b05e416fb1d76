#include "shell/single_instance.h"

#include <unistd.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QLockFile>
#include <QPointer>

namespace {

// Long enough for any path; a caller that sends more is not one of us.
constexpr qint64 kMaxLineBytes = 64 * 1024;
constexpr int kProbeTimeoutMs = 1000;
constexpr int kLockTimeoutMs = 5000;
// How soon a held path is tried again: soon enough to feel at once after
// the dialog that held it closes.
constexpr int kRetryMs = 100;
// Asks which log is open; a handed-over path is always absolute, never this.
const QByteArray kQueryLine("?");

// Where QLocalServer puts a socket of this name.
QString socketPath(const QString& name)
{
    return QDir::isAbsolutePath(name) ? name : QDir(QDir::tempPath()).filePath(name);
}

bool answers(const QString& name)
{
    QLocalSocket probe;
    probe.connectToServer(name);
    if (!probe.waitForConnected(kProbeTimeoutMs))
        return false;
    probe.disconnectFromServer();
    return true;
}

}  // namespace

SingleInstance::SingleInstance(QString name, QObject* parent)
    : QObject(parent), m_name(std::move(name)), m_server(this), m_retry(this)
{
    connect(&m_server, &QLocalServer::newConnection, this, &SingleInstance::onNewConnection);
    m_retry.setSingleShot(true);
    m_retry.setInterval(kRetryMs);
    connect(&m_retry, &QTimer::timeout, this, &SingleInstance::serveWaiting);
}

SingleInstance::~SingleInstance()
{
    m_server.close();
}

QString SingleInstance::defaultName()
{
    // One per user: the user's private runtime folder when the session has
    // one, else the temporary folder with the user's id in the name.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    QString name = !runtime.isEmpty() && QFileInfo(runtime).isDir() ? QDir(runtime).filePath(QStringLiteral("orvanta"))
                                                                    : QStringLiteral("orvanta-%1").arg(::getuid());
    QString display = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (display.isEmpty())
        display = qEnvironmentVariable("DISPLAY");
    if (display.isEmpty())
        return name;
    for (QChar& c : display)
        if (!(c.isLetterOrNumber() && c.unicode() < 0x80) && c != QLatin1Char('.') && c != QLatin1Char('-'))
            c = QLatin1Char('_');
    return name + QLatin1Char('-') + display;
}

SingleInstance::Role SingleInstance::listen()
{
    // Two starts at the same moment must not both find no one listening and
    // then remove each other's socket: the test and the listen go together.
    QLockFile lock(socketPath(m_name) + QStringLiteral(".lock"));
    const bool locked = lock.tryLock(kLockTimeoutMs);
    if (answers(m_name))
        return Role::Later;
    // Nobody answers: a socket left by a program that died is in the way.
    QLocalServer::removeServer(m_name);
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    const bool listening = m_server.listen(m_name);
    if (locked)
        lock.unlock();
    return listening ? Role::Running : Role::Alone;
}

bool SingleInstance::handOver(const QString& path, int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    if (!path.isEmpty()) {
        socket.write(path.toUtf8() + '\n');
        socket.flush();
        // The running program answers once it has opened the log or declined;
        // only then may this start end and the user see the result.
        QDeadlineTimer deadline(timeoutMs);
        while (!socket.canReadLine() && socket.state() == QLocalSocket::ConnectedState)
            if (!socket.waitForReadyRead(static_cast<int>(deadline.remainingTime())))
                break;
    }
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(kProbeTimeoutMs);
    return true;
}

std::optional<QString> SingleInstance::queryOpenLog(int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(timeoutMs))
        return std::nullopt;
    socket.write(kQueryLine + QByteArray("\n"));
    socket.flush();
    QDeadlineTimer deadline(timeoutMs);
    while (!socket.canReadLine() && socket.state() == QLocalSocket::ConnectedState)
        if (!socket.waitForReadyRead(static_cast<int>(deadline.remainingTime())))
            break;
    if (!socket.canReadLine())
        return std::nullopt;
    QByteArray line = socket.readLine(kMaxLineBytes);
    socket.disconnectFromServer();
    if (line.endsWith('\n'))
        line.chop(1);
    return QString::fromUtf8(line);
}

void SingleInstance::onNewConnection()
{
    while (QLocalSocket* socket = m_server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        m_waiting.append(socket);
    }
    serveWaiting();
}

void SingleInstance::onReadyRead(QLocalSocket* socket)
{
    if (!socket->canReadLine() && socket->bytesAvailable() > kMaxLineBytes)
        socket->abort();
    serveWaiting();
}

// Serves the callers one at a time, in the order they came: the handler may
// show a dialog, whose event loop can bring the next caller in meanwhile.
void SingleInstance::serveWaiting()
{
    if (m_serving)
        return;
    m_serving = true;
    for (qsizetype i = 0; i < m_waiting.size();) {
        QPointer<QLocalSocket> socket = m_waiting.at(i);
        if (!socket || !socket->canReadLine()) {
            // A caller with nothing to say (a probe, a start without a log)
            // is done once it has gone.
            if (!socket || socket->state() != QLocalSocket::ConnectedState)
                m_waiting.removeAt(i);
            else
                ++i;
            continue;
        }
        const bool question = socket->peek(kQueryLine.size() + 1) == kQueryLine + '\n';
        if (!question && m_ready && !m_ready()) {
            // A dialog or a command is running: the path waits its turn.
            m_retry.start();
            ++i;
            continue;
        }
        m_waiting.removeAt(i);
        QByteArray line = socket->readLine(kMaxLineBytes);
        if (line.endsWith('\n'))
            line.chop(1);
        QByteArray answer("ok\n");
        if (line == kQueryLine)
            answer = (m_openLog ? m_openLog() : QString()).toUtf8() + '\n';
        else if (m_handler)
            m_handler(QString::fromUtf8(line));
        // The caller may have given up waiting while a dialog was open.
        if (socket && socket->state() == QLocalSocket::ConnectedState) {
            socket->write(answer);
            socket->flush();
        }
        i = 0;
    }
    m_serving = false;
}
