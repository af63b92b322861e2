#pragma once

#include "detection/MountedCard.h"

#include <QList>
#include <QSet>
#include <QString>

#include <memory>

class FileManagerWindows;
class SerialQueue;

/// Closes the file manager windows Mirvale opened on a card once the card is unmounted, as
/// a file manager closes the windows of a volume that goes away. Told the mounted cards
/// after every change; the windows are closed on a queue of its own, so the main thread
/// never waits for the display server.
class CardWindowTidier {
public:
    explicit CardWindowTidier(FileManagerWindows &windows);
    ~CardWindowTidier();

    /// The cards mounted now. Main thread.
    void cardsChanged(const QList<MountedCard> &mounted);
    /// Waits until the closes asked for so far were sent (for tests and shut-down).
    void flush();

private:
    FileManagerWindows &m_windows;
    QSet<QString> m_mounted;
    std::unique_ptr<SerialQueue> m_queue;
};
