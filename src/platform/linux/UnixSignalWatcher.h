#pragma once

#include <QObject>

#include <initializer_list>

class QSocketNotifier;

/// Turns SIGTERM, SIGINT and the like into a Qt signal on the main thread, so the
/// application can leave its event loop and shut down in order.
class UnixSignalWatcher : public QObject {
    Q_OBJECT
public:
    /// Only one watcher may exist at a time: the handlers write to a process-wide pipe.
    explicit UnixSignalWatcher(std::initializer_list<int> signalNumbers, QObject *parent = nullptr);
    ~UnixSignalWatcher() override;

signals:
    void received(int signalNumber);

private:
    void readPending();

    QSocketNotifier *m_notifier = nullptr;
    QList<int> m_signals;
};
