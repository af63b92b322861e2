#include "ui/model/TrayMenuExport.h"

#include "ui/model/StatusMenuModel.h"

QString TrayMenuExport::label(const QString &text)
{
    QString escaped = text;
    return escaped.replace(u'_', QStringLiteral("__"));
}

QStringList TrayMenuExport::shortcutKeys(const QString &portable)
{
    if (portable.isEmpty())
        return {};
    QStringList keys;
    // The last key may itself be "+" ("Ctrl++").
    const qsizetype last = portable.lastIndexOf(u'+', portable.size() - 2);
    const QStringList modifiers = last < 0 ? QStringList() : portable.left(last).split(u'+');
    for (const QString &modifier : modifiers) {
        if (modifier == QLatin1String("Ctrl"))
            keys.append(QStringLiteral("Control"));
        else if (modifier == QLatin1String("Meta"))
            keys.append(QStringLiteral("Super"));
        else
            keys.append(modifier);
    }
    keys.append(portable.mid(last + 1));
    return keys;
}

TrayMenuEntry TrayMenuExport::entryFor(const StatusMenuItem &item, int id) const
{
    TrayMenuEntry entry;
    entry.id = id;
    entry.isSeparator = item.isSeparator;
    if (item.isSeparator)
        return entry;
    // Menus show no indentation levels; leading spaces stand in for them.
    entry.label = label(QString(item.indentation * 4, u' ') + item.title);
    entry.enabled = item.enabled;
    entry.checkable = item.checkable;
    entry.checked = item.checked;
    entry.shortcut = shortcutKeys(item.shortcut);
    return entry;
}

TrayMenuExport::Change TrayMenuExport::take(const QList<StatusMenuItem> &items)
{
    m_changedIds.clear();
    const bool sameShape = !m_entries.isEmpty() && StatusMenuModel::sameShape(m_items, items);
    m_items = items;
    if (!sameShape) {
        m_entries.clear();
        for (const StatusMenuItem &item : items)
            m_entries.append(entryFor(item, m_nextId++));
        return Change::Layout;
    }
    for (qsizetype i = 0; i < items.size(); ++i) {
        TrayMenuEntry fresh = entryFor(items[i], m_entries[i].id);
        if (fresh == m_entries[i])
            continue;
        m_entries[i] = std::move(fresh);
        m_changedIds.append(m_entries[i].id);
    }
    return m_changedIds.isEmpty() ? Change::None : Change::Entries;
}

qsizetype TrayMenuExport::indexOf(int id) const
{
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].id == id)
            return i;
    }
    return -1;
}
