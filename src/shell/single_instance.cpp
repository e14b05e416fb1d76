#include "shell/single_instance.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSocketNotifier>
#include <cerrno>
#include <cstring>

namespace {

// Long enough for any path; a caller that sends more is not one of us.
constexpr qsizetype kMaxLineBytes = 64 * 1024;
constexpr int kProbeTimeoutMs = 1000;
constexpr int kLockTimeoutMs = 5000;
// How soon a held path is tried again: soon enough to feel at once after
// the dialog that held it closes.
constexpr int kRetryMs = 100;
// How often a connection is tried again while the running one has a full queue.
constexpr int kConnectRetryMs = 10;
// How many callers may wait to be accepted.
constexpr int kBacklog = 50;
// Asks which log is open; a handed-over path is always absolute, never this.
const QByteArray kQueryLine("?");

// Where a socket of this name lives: a name that is not a path goes in the
// temporary folder, as a local server of Qt's own would put it.
QString socketPath(const QString& name)
{
    return QDir::isAbsolutePath(name) ? name : QDir(QDir::tempPath()).filePath(name);
}

// The address of path; false when the system's addresses are too short for it.
bool addressOf(const QString& path, sockaddr_un& address)
{
    const QByteArray bytes = QFile::encodeName(path);
    address = sockaddr_un{};
    address.sun_family = AF_UNIX;
    if (bytes.isEmpty() || static_cast<std::size_t>(bytes.size()) >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, bytes.constData(), static_cast<std::size_t>(bytes.size()));
    return true;
}

int remainingMs(const QDeadlineTimer& deadline)
{
    const qint64 left = deadline.remainingTime();
    return left < 0 ? -1 : static_cast<int>(left);
}

// Waits until fd is ready for events; false when the time is up first.
bool waitFor(int fd, short events, const QDeadlineTimer& deadline)
{
    for (;;) {
        pollfd wanted{fd, events, 0};
        const int ready = ::poll(&wanted, 1, remainingMs(deadline));
        if (ready > 0)
            return true;
        if (ready == 0 || errno != EINTR)
            return false;
    }
}

// A connection to the running instance named name, or -1 when none answers in time.
int connectTo(const QString& name, const QDeadlineTimer& deadline)
{
    sockaddr_un address;
    if (!addressOf(socketPath(name), address))
        return -1;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return -1;
    for (;;) {
        if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0)
            return fd;
        if (errno == EINTR)
            continue;
        // A full queue of callers: the running one is busy, so try again shortly.
        if (errno == EAGAIN && !deadline.hasExpired()) {
            ::poll(nullptr, 0, kConnectRetryMs);
            continue;
        }
        ::close(fd);
        return -1;
    }
}

// Sends all of bytes; a caller that has gone is no error here (no SIGPIPE either).
void sendAll(int fd, const QByteArray& bytes, const QDeadlineTimer& deadline)
{
    qsizetype sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::send(fd, bytes.constData() + sent, static_cast<std::size_t>(bytes.size() - sent),
                                 MSG_NOSIGNAL);
        if (n > 0) {
            sent += n;
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && errno == EAGAIN) {
            if (!waitFor(fd, POLLOUT, deadline))
                return;
        } else {
            return;
        }
    }
}

// Reads until a line end, the other side hanging up, or the time being up;
// gives whether a whole line came (in line, without its end).
bool readLine(int fd, const QDeadlineTimer& deadline, QByteArray& line)
{
    QByteArray received;
    char chunk[4096];
    while (!received.contains('\n') && received.size() <= kMaxLineBytes) {
        const ssize_t n = ::recv(fd, chunk, sizeof chunk, 0);
        if (n > 0) {
            received.append(chunk, n);
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && errno == EAGAIN) {
            if (!waitFor(fd, POLLIN, deadline))
                break;
        } else {
            break;
        }
    }
    const qsizetype end = received.indexOf('\n');
    if (end < 0)
        return false;
    line = received.left(end);
    return true;
}

bool answers(const QString& name)
{
    const int fd = connectTo(name, QDeadlineTimer(kProbeTimeoutMs));
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

QString systemError(const char* what, const QString& path, int error)
{
    return QStringLiteral("%1 %2: %3").arg(QString::fromLatin1(what), path, QString::fromLocal8Bit(std::strerror(error)));
}

}  // namespace

// A connected caller of the running instance and what it has sent so far.
struct SingleInstance::Caller {
    int fd = -1;
    QSocketNotifier* notifier = nullptr;
    QByteArray received;
    bool gone = false;  // hung up, or cut off for sending too much

    ~Caller()
    {
        if (notifier) {
            // It may be the very notifier whose signal is being handled.
            notifier->setEnabled(false);
            notifier->deleteLater();
        }
        if (fd >= 0)
            ::close(fd);
    }
};

SingleInstance::SingleInstance(QString name, QObject* parent)
    : QObject(parent), m_name(std::move(name)), m_retry(this)
{
    m_retry.setSingleShot(true);
    m_retry.setInterval(kRetryMs);
    connect(&m_retry, &QTimer::timeout, this, &SingleInstance::serveWaiting);
}

SingleInstance::~SingleInstance()
{
    close();
}

void SingleInstance::close()
{
    m_waiting.clear();
    delete m_accepting;
    m_accepting = nullptr;
    if (m_listener >= 0) {
        ::close(m_listener);
        m_listener = -1;
        // The name is free again for the next start.
        QFile::remove(m_listenedPath);
    }
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
    const QString path = socketPath(m_name);
    // Two starts at the same moment must not both find no one listening and
    // then remove each other's socket: the test and the listen go together.
    QLockFile lock(path + QStringLiteral(".lock"));
    const bool locked = lock.tryLock(kLockTimeoutMs);
    if (answers(m_name))
        return Role::Later;
    // Nobody answers: a socket left by a program that died is in the way.
    QFile::remove(path);
    const bool listening = listenAt(path);
    if (locked)
        lock.unlock();
    return listening ? Role::Running : Role::Alone;
}

bool SingleInstance::listenAt(const QString& path)
{
    sockaddr_un address;
    if (!addressOf(path, address)) {
        m_error = QStringLiteral("the socket's path is longer than local sockets allow: %1").arg(path);
        return false;
    }
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) {
        m_error = systemError("cannot make a socket for", path, errno);
        return false;
    }
    // Only this user may connect: the mode is set before anyone can, since
    // no connection is taken until listen.
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        m_error = systemError("cannot bind", path, errno);
        ::close(fd);
        return false;
    }
    if (::chmod(address.sun_path, S_IRWXU) != 0 || ::listen(fd, kBacklog) != 0) {
        m_error = systemError("cannot listen on", path, errno);
        ::close(fd);
        ::unlink(address.sun_path);
        return false;
    }
    m_listener = fd;
    m_listenedPath = path;
    m_accepting = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(m_accepting, &QSocketNotifier::activated, this, &SingleInstance::onNewConnection);
    return true;
}

bool SingleInstance::handOver(const QString& path, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    const int fd = connectTo(m_name, deadline);
    if (fd < 0)
        return false;
    if (!path.isEmpty()) {
        sendAll(fd, path.toUtf8() + '\n', deadline);
        // The running program answers once it has opened the log or declined;
        // only then may this start end and the user see the result.
        QByteArray answer;
        readLine(fd, deadline, answer);
    }
    ::close(fd);
    return true;
}

std::optional<QString> SingleInstance::queryOpenLog(int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    const int fd = connectTo(m_name, deadline);
    if (fd < 0)
        return std::nullopt;
    sendAll(fd, kQueryLine + '\n', deadline);
    QByteArray line;
    const bool answered = readLine(fd, deadline, line);
    ::close(fd);
    if (!answered)
        return std::nullopt;
    return QString::fromUtf8(line);
}

void SingleInstance::onNewConnection()
{
    for (;;) {
        const int fd = ::accept4(m_listener, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        auto caller = std::make_unique<Caller>();
        caller->fd = fd;
        caller->notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
        Caller* const raw = caller.get();
        connect(caller->notifier, &QSocketNotifier::activated, this, [this, raw] { onReadyRead(raw); });
        m_waiting.push_back(std::move(caller));
    }
    serveWaiting();
}

void SingleInstance::onReadyRead(Caller* caller)
{
    char chunk[4096];
    for (;;) {
        const ssize_t n = ::recv(caller->fd, chunk, sizeof chunk, 0);
        if (n > 0) {
            caller->received.append(chunk, n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n == 0 || errno != EAGAIN)
            caller->gone = true;
        break;
    }
    if (!caller->received.contains('\n') && caller->received.size() > kMaxLineBytes)
        caller->gone = true;
    if (caller->gone)
        caller->notifier->setEnabled(false);
    serveWaiting();
}

// Serves the callers one at a time, in the order they came: the handler may
// show a dialog, whose event loop can bring the next caller in meanwhile.
void SingleInstance::serveWaiting()
{
    if (m_serving)
        return;
    m_serving = true;
    for (std::size_t i = 0; i < m_waiting.size();) {
        Caller& caller = *m_waiting[i];
        const qsizetype end = caller.received.indexOf('\n');
        if (caller.gone) {
            // A caller with nothing more to say (a probe, a start without a
            // log, one that gave up) is done once it has gone.
            m_waiting.erase(m_waiting.begin() + static_cast<std::ptrdiff_t>(i));
            continue;
        }
        if (end < 0) {
            ++i;
            continue;
        }
        const QByteArray line = caller.received.left(end);
        const bool question = line == kQueryLine;
        if (!question && m_ready && !m_ready()) {
            // A dialog or a command is running: the path waits its turn.
            m_retry.start();
            ++i;
            continue;
        }
        // Out of the queue, but kept until answered: the handler's dialogs
        // may bring other callers in meanwhile.
        const std::unique_ptr<Caller> served = std::move(m_waiting[i]);
        m_waiting.erase(m_waiting.begin() + static_cast<std::ptrdiff_t>(i));
        QByteArray answer("ok\n");
        if (question)
            answer = (m_openLog ? m_openLog() : QString()).toUtf8() + '\n';
        else if (m_handler)
            m_handler(QString::fromUtf8(line));
        // The caller may have given up waiting while a dialog was open.
        if (!served->gone)
            sendAll(served->fd, answer, QDeadlineTimer(kProbeTimeoutMs));
        i = 0;
    }
    m_serving = false;
}
