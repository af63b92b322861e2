#include "ui/model/TrayMenuExport.h"

#include "ui/model/StatusMenuModel.h"

#include <QRegularExpression>

TrayMenuExport::LabelStyle TrayMenuExport::labelStyleFor(const QString &program)
{
    // Xfce's panel runs its tray plugin in the panel or in a plugin wrapper, which names its
    // process "panel-6-systray"; both hand the menu to libdbusmenu-gtk, as waybar does, and
    // that sets each label as markup with mnemonics.
    static const QStringList markupHosts
        = { QStringLiteral("xfce4-panel"), QStringLiteral("wrapper-2.0"), QStringLiteral("waybar") };
    static const QRegularExpression xfceWrapper(QStringLiteral("^panel-[0-9]+-systray$"));
    return markupHosts.contains(program) || xfceWrapper.match(program).hasMatch() ? LabelStyle::MarkupMnemonic
                                                                                  : LabelStyle::Mnemonic;
}

QString TrayMenuExport::label(const QString &text, LabelStyle style)
{
    QString escaped;
    escaped.reserve(text.size() + 8);
    for (const QChar c : text) {
        if (c == u'_')
            escaped += QStringLiteral("__");
        else if (style == LabelStyle::MarkupMnemonic && c == u'&')
            escaped += QStringLiteral("&amp;");
        else if (style == LabelStyle::MarkupMnemonic && c == u'<')
            escaped += QStringLiteral("&lt;");
        else if (style == LabelStyle::MarkupMnemonic && c == u'>')
            escaped += QStringLiteral("&gt;");
        else
            escaped += c;
    }
    return escaped;
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

TrayMenuEntry TrayMenuExport::entryFor(const StatusMenuItem &item, int id, LabelStyle style) const
{
    TrayMenuEntry entry;
    entry.id = id;
    entry.isSeparator = item.isSeparator;
    if (item.isSeparator)
        return entry;
    // Menus show no indentation levels; leading spaces stand in for them.
    entry.label = label(QString(item.indentation * 4, u' ') + item.title, style);
    entry.enabled = item.enabled;
    entry.checkable = item.checkable;
    entry.checked = item.checked;
    entry.shortcut = shortcutKeys(item.shortcut);
    return entry;
}

TrayMenuExport::Change TrayMenuExport::take(const QList<StatusMenuItem> &items, LabelStyle style)
{
    m_changedIds.clear();
    const bool sameShape
        = m_style == style && !m_entries.isEmpty() && StatusMenuModel::sameShape(m_items, items);
    m_items = items;
    m_style = style;
    if (!sameShape) {
        m_entries.clear();
        for (const StatusMenuItem &item : items)
            m_entries.append(entryFor(item, m_nextId++, style));
        return Change::Layout;
    }
    for (qsizetype i = 0; i < items.size(); ++i) {
        TrayMenuEntry fresh = entryFor(items[i], m_entries[i].id, style);
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
