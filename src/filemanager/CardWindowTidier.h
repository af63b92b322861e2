#pragma once

#include "detection/MountedCard.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QTimer>

#include <chrono>
#include <functional>

class FileManagerWindows;

/// Closes the file manager windows Mirvale opened on a card before it unmounts the card, and
/// once a card is gone, as a file manager closes the windows of a volume that goes away. Told the mounted
/// cards after every change. While cards are mounted it looks at what Mirvale's windows show now and
/// then, to tell the windows a file manager moves off a card that goes from the user's. Main thread only.
class CardWindowTidier {
public:
    static constexpr std::chrono::milliseconds kLookEvery { 500 };

    explicit CardWindowTidier(FileManagerWindows &windows, std::chrono::milliseconds lookEvery = kLookEvery);

    /// The cards mounted now.
    void cardsChanged(const QList<MountedCard> &mounted);
    /// Closes Mirvale's windows on the card at `cardPath` and waits a moment for them to go,
    /// so the file manager lets go of the card; then `then` runs, on a later turn of the loop.
    void closeBeforeUnmount(const QString &cardPath, std::function<void()> then);

private:
    FileManagerWindows &m_windows;
    QSet<QString> m_mounted;
    QTimer m_look;
};
