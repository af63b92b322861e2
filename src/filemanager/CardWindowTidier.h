#pragma once

#include "detection/MountedCard.h"

#include <QList>
#include <QSet>
#include <QString>

#include <chrono>
#include <functional>
#include <memory>

class FileManagerWindows;
class QTimer;
class SerialQueue;

/// Closes the file manager windows Mirvale opened on a card before it unmounts the card, and
/// once a card is gone, as a file manager closes the windows of a volume that goes away. Told the mounted
/// cards after every change; the windows are closed on a queue of its own, so the main thread never waits for
/// the display server. While cards are mounted it looks at what Mirvale's windows show now and
/// then, to tell the windows a file manager moves off a card that goes from the user's.
class CardWindowTidier {
public:
    static constexpr std::chrono::milliseconds kLookEvery { 500 };

    explicit CardWindowTidier(FileManagerWindows &windows, std::chrono::milliseconds lookEvery = kLookEvery);
    ~CardWindowTidier();

    /// The cards mounted now. Main thread.
    void cardsChanged(const QList<MountedCard> &mounted);
    /// Closes Mirvale's windows on the card at `cardPath` and waits a moment for them to go,
    /// so the file manager lets go of the card; then `then` runs on the main thread.
    void closeBeforeUnmount(const QString &cardPath, std::function<void()> then);
    /// Waits until the closes asked for so far were sent (for tests and shut-down).
    void flush();

private:
    FileManagerWindows &m_windows;
    QSet<QString> m_mounted;
    std::unique_ptr<SerialQueue> m_queue;
    std::unique_ptr<QTimer> m_look;
};
