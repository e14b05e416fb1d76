#pragma once

#include <QList>
#include <QLocalServer>
#include <QLocalSocket>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <functional>
#include <optional>

// One running program per user. The first start listens on a per-user local
// socket; a later start hands it a log path and waits until the running one
// has opened it (or declined), then the running one raises its window.
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
    QString errorString() const { return m_server.errorString(); }

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
    void onNewConnection();
    void onReadyRead(QLocalSocket* socket);
    void serveWaiting();

    QString m_name;
    QLocalServer m_server;  // a child too, so it moves with this object's thread
    std::function<void(const QString&)> m_handler;
    std::function<QString()> m_openLog;
    std::function<bool()> m_ready;
    QTimer m_retry;                           // tries the waiting paths again while they are held
    QList<QPointer<QLocalSocket>> m_waiting;  // connected callers, oldest first
    bool m_serving = false;
};
