#pragma once

#include <QList>
#include <QLocalServer>
#include <QLocalSocket>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <optional>

// One running program per user. The first start listens on a per-user local
// socket; a later start hands it a log path and waits until the running one
// has opened it (or declined), then the running one raises its window.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    // name: the socket's name; by default one per user ("orvanta" in
    // $XDG_RUNTIME_DIR, else "orvanta-UID" in the temporary folder).
    explicit SingleInstance(QString name = defaultName(), QObject* parent = nullptr);
    ~SingleInstance() override;

    static QString defaultName();

    // Tries to become the running instance. False when another one answers.
    bool listen();

    // As a later start: sends path (may be empty: then nothing is sent) and
    // waits for the answer. Returns whether a running instance was reached.
    bool handOver(const QString& path, int timeoutMs = 30000);

    // Called in the running instance with each path handed over; returns once
    // the log has been opened or declined.
    void setHandler(std::function<void(const QString& path)> handler) { m_handler = std::move(handler); }

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
    QList<QPointer<QLocalSocket>> m_waiting;  // connected callers, oldest first
    bool m_serving = false;
};
