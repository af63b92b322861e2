#include "filemanager/CardWindowTidier.h"

#include "filemanager/FileManagerWindows.h"
#include "support/MainQueue.h"
#include "support/SerialQueue.h"

CardWindowTidier::CardWindowTidier(FileManagerWindows &windows)
    : m_windows(windows)
    , m_queue(std::make_unique<SerialQueue>(QStringLiteral("io.github.mirvale.windows.tidy")))
{
}

CardWindowTidier::~CardWindowTidier() = default;

void CardWindowTidier::cardsChanged(const QList<MountedCard> &mounted)
{
    QSet<QString> now;
    for (const MountedCard &card : mounted)
        now.insert(card.path());
    const QSet<QString> gone = m_mounted - now;
    m_mounted = now;
    for (const QString &path : gone) {
        FileManagerWindows *windows = &m_windows;
        m_queue->async([windows, path] { windows->closeWindowsOfCard(path); });
    }
}

void CardWindowTidier::closeBeforeUnmount(const QString &cardPath, std::function<void()> then)
{
    FileManagerWindows *windows = &m_windows;
    m_queue->async([windows, cardPath, then] {
        const QList<FileManagerWindows::WindowId> closed = windows->closeWindowsOfCard(cardPath);
        if (!closed.isEmpty())
            windows->waitUntilClosed(closed);
        MainQueue::async(then);
    });
}

void CardWindowTidier::flush()
{
    m_queue->sync([] {});
}
