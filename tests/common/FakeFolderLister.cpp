#include "common/FakeFolderLister.h"

#include <QStringList>

#include <algorithm>
#include <chrono>

namespace {

QString parentOf(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return slash <= 0 ? QStringLiteral("/") : path.left(slash);
}

} // namespace

void FakeFolderLister::addFolder(const QString &path)
{
    std::lock_guard lock(m_mutex);
    QString at = path;
    while (at != QStringLiteral("/") && !at.isEmpty()) {
        if (!m_nodes.contains(at))
            m_nodes.insert(at, Node { Type::Folder, {} });
        at = parentOf(at);
    }
}

void FakeFolderLister::addFile(const QString &path)
{
    addFolder(parentOf(path));
    std::lock_guard lock(m_mutex);
    m_nodes.insert(path, Node { Type::File, {} });
}

void FakeFolderLister::addLink(const QString &path, const QString &target)
{
    addFolder(parentOf(path));
    std::lock_guard lock(m_mutex);
    m_nodes.insert(path, Node { Type::Link, target });
}

void FakeFolderLister::remove(const QString &path)
{
    std::lock_guard lock(m_mutex);
    const QString below = path + QLatin1Char('/');
    for (auto it = m_nodes.begin(); it != m_nodes.end();) {
        if (it.key() == path || it.key().startsWith(below))
            it = m_nodes.erase(it);
        else
            ++it;
    }
}

void FakeFolderLister::makeUnreadable(const QString &directory)
{
    std::lock_guard lock(m_mutex);
    m_unreadable.insert(directory);
}

void FakeFolderLister::holdListing(const QString &directory)
{
    std::lock_guard lock(m_mutex);
    m_held = directory;
    m_released = false;
}

bool FakeFolderLister::waitUntilHeld()
{
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, std::chrono::seconds(10), [this] { return m_isHolding; });
}

void FakeFolderLister::release()
{
    {
        std::lock_guard lock(m_mutex);
        m_released = true;
        m_held.clear();
    }
    m_changed.notify_all();
}

std::optional<QList<FolderLister::Entry>> FakeFolderLister::entries(const QString &directory) const
{
    std::unique_lock lock(m_mutex);
    if (!m_held.isEmpty() && directory == m_held) {
        m_isHolding = true;
        m_changed.notify_all();
        m_changed.wait(lock, [this] { return m_released; });
        m_isHolding = false;
    }
    if (m_unreadable.contains(directory))
        return std::nullopt;
    const std::optional<QString> real = resolveLocked(directory);
    if (!real)
        return std::nullopt;
    QList<Entry> result;
    const QString prefix = *real + QLatin1Char('/');
    for (auto it = m_nodes.cbegin(); it != m_nodes.cend(); ++it) {
        if (!it.key().startsWith(prefix) || it.key().mid(prefix.size()).contains(QLatin1Char('/')))
            continue;
        const Kind kind = it->type == Type::Folder ? Kind::Directory
            : it->type == Type::Link               ? Kind::SymbolicLink
                                                   : Kind::Other;
        result.append({ it.key().mid(prefix.size()), kind });
    }
    // Real directories come back in no particular order; so do these.
    std::reverse(result.begin(), result.end());
    return result;
}

std::optional<QString> FakeFolderLister::resolvedDirectory(const QString &path) const
{
    std::lock_guard lock(m_mutex);
    return resolveLocked(path);
}

std::optional<QString> FakeFolderLister::resolveLocked(const QString &path) const
{
    QStringList pending = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString at;
    int hops = 0;
    while (!pending.isEmpty()) {
        const QString piece = pending.takeFirst();
        if (piece == QStringLiteral("."))
            continue;
        if (piece == QStringLiteral("..")) {
            at = parentOf(at);
            if (at == QStringLiteral("/"))
                at.clear();
            continue;
        }
        const QString next = at + QLatin1Char('/') + piece;
        const auto node = m_nodes.constFind(next);
        if (node == m_nodes.cend())
            return std::nullopt;
        if (node->type == Type::Link) {
            if (++hops > 16)
                return std::nullopt;
            pending = node->target.split(QLatin1Char('/'), Qt::SkipEmptyParts) + pending;
            if (node->target.startsWith(QLatin1Char('/')))
                at.clear();
            continue;
        }
        at = next;
    }
    if (at.isEmpty())
        return std::nullopt;
    if (m_nodes.value(at).type != Type::Folder)
        return std::nullopt;
    return at;
}
