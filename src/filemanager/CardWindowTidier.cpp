#include "filemanager/CardWindowTidier.h"

#include "filemanager/FileManagerWindows.h"

CardWindowTidier::CardWindowTidier(FileManagerWindows &windows, std::chrono::milliseconds lookEvery)
    : m_windows(windows)
{
    m_look.setInterval(lookEvery);
    QObject::connect(&m_look, &QTimer::timeout, &m_look, [this] { m_windows.lookAtOpened(); });
}

void CardWindowTidier::cardsChanged(const QList<MountedCard> &mounted)
{
    QSet<QString> now;
    for (const MountedCard &card : mounted)
        now.insert(card.path());
    const QSet<QString> gone = m_mounted - now;
    m_mounted = now;
    if (m_mounted.isEmpty())
        m_look.stop();
    else if (!m_look.isActive())
        m_look.start();
    for (const QString &path : gone)
        m_windows.closeWindowsOfCard(path);
}

void CardWindowTidier::closeBeforeUnmount(const QString &cardPath, std::function<void()> then)
{
    const QList<FileManagerWindows::WindowId> closed = m_windows.closeWindowsOfCard(cardPath, false);
    // Whether they went or not, the unmount goes ahead: it tells the user what still holds the card.
    m_windows.waitUntilClosed(closed, [then](bool) { then(); });
}
