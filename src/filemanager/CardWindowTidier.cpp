#include "filemanager/CardWindowTidier.h"

#include "filemanager/FileManagerWindows.h"
#include "support/MainQueue.h"
#include "support/SerialQueue.h"

#include <QTimer>

CardWindowTidier::CardWindowTidier(FileManagerWindows &windows, std::chrono::milliseconds lookEvery)
    : m_windows(windows)
    , m_queue(std::make_unique<SerialQueue>(QStringLiteral("io.github.mirvale.windows.tidy")))
    , m_look(std::make_unique<QTimer>())
{
    m_look->setInterval(lookEvery);
    QTimer::connect(m_look.get(), &QTimer::timeout, m_look.get(), [this] {
        FileManagerWindows *looked = &m_windows;
        m_queue->async([looked] { looked->lookAtOpened(); });
    });
}

CardWindowTidier::~CardWindowTidier()
{
    m_look.reset();
    m_queue.reset(); // its last looks finish before the windows go
}

void CardWindowTidier::cardsChanged(const QList<MountedCard> &mounted)
{
    QSet<QString> now;
    for (const MountedCard &card : mounted)
        now.insert(card.path());
    const QSet<QString> gone = m_mounted - now;
    m_mounted = now;
    if (m_mounted.isEmpty())
        m_look->stop();
    else if (!m_look->isActive())
        m_look->start();
    for (const QString &path : gone) {
        FileManagerWindows *windows = &m_windows;
        m_queue->async([windows, path] { windows->closeWindowsOfCard(path); });
    }
}

void CardWindowTidier::closeBeforeUnmount(const QString &cardPath, std::function<void()> then)
{
    FileManagerWindows *windows = &m_windows;
    m_queue->async([windows, cardPath, then] {
        const QList<FileManagerWindows::WindowId> closed = windows->closeWindowsOfCard(cardPath, false);
        if (!closed.isEmpty())
            windows->waitUntilClosed(closed);
        MainQueue::async(then);
    });
}

void CardWindowTidier::flush()
{
    m_queue->sync([] {});
}
