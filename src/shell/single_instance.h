#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QSocketNotifier;

// One running program per user. The first start listens on a per-user local
// socket; a later start hands it a log path and waits until the running one
// has opened it (or declined), then the running one raises its window.
// Plain local sockets of the system, watched by the event loop: a start then
// loads no network library at all.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    // name: the socket's name; by default one per user session (see defaultName).
    explicit SingleInstance(QString name = defaultName(), QObject* parent = nullptr);
    ~SingleInstance() override;

    // One per user and display: "orvanta" in $XDG_RUNTIME_DIR, else
    // "orvanta-UID" in the temporary folder, followed by "-DISPLAY" when the
    // session names its display (":" and other odd characters as "_"), so
    // that two desktops of one user each keep their own program.
    static QString defaultName();

    // What a start becomes: the running instance (it listens), a later start
    // (another one answered), or one running alone because the socket could
    // not be made (a runtime folder too long or not writable): it works,
    // but no later start can reach it.
    enum class Role { Running, Later, Alone };
    Role listen();
    // Why listen() gave Alone, for the warning.
    QString errorString() const { return m_error; }

    // As a later start: sends path (may be empty: then nothing is sent) and
    // waits for the answer. Returns whether a running instance was reached.
    bool handOver(const QString& path, int timeoutMs = 30000);

    // Called in the running instance with each path handed over; returns once
    // the log has been opened or declined.
    void setHandler(std::function<void(const QString& path)> handler) { m_handler = std::move(handler); }
    // Whether a path handed over may be served now. While it says no, paths
    // wait (their callers too) and are tried again shortly; questions about
    // the open log are answered at once.
    void setReadyCheck(std::function<bool()> ready) { m_ready = std::move(ready); }

    // Which log the running instance has open, for a caller that asks.
    void setOpenLogProvider(std::function<QString()> provider) { m_openLog = std::move(provider); }
    // As a later start: asks the running instance which log it has open.
    std::optional<QString> queryOpenLog(int timeoutMs = 5000);

private:
    struct Caller;
    void onNewConnection();
    void onReadyRead(Caller* caller);
    void serveWaiting();
    bool listenAt(const QString& path);
    void close();

    QString m_name;
    QString m_error;
    int m_listener = -1;                   // the listening socket while this one runs
    QString m_listenedPath;                // its path, removed again on closing
    QSocketNotifier* m_accepting = nullptr;  // a child, so it moves with this object's thread
    std::function<void(const QString&)> m_handler;
    std::function<QString()> m_openLog;
    std::function<bool()> m_ready;
    QTimer m_retry;                                 // tries the waiting paths again while they are held
    std::vector<std::unique_ptr<Caller>> m_waiting;  // connected callers, oldest first
    bool m_serving = false;
};
