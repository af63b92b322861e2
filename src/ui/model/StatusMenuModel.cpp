#include "ui/model/StatusMenuModel.h"

#include "detection/CardLineTitle.h"

#include <QDir>

#include <QCoreApplication>
#include <algorithm>
#include <tuple>

StatusMenuItem StatusMenuItem::separator()
{
    StatusMenuItem item;
    item.isSeparator = true;
    return item;
}

namespace {

using Action = StatusMenuItem::Action;

StatusMenuItem line(QString title, Action action, QString shortcut = {})
{
    StatusMenuItem item;
    item.title = std::move(title);
    item.action = action;
    item.shortcut = std::move(shortcut);
    return item;
}

StatusMenuItem disabledLine(QString title)
{
    StatusMenuItem item = line(std::move(title), Action::None);
    item.enabled = false;
    return item;
}

StatusMenuItem tickLine(QString title, Action action, bool checked)
{
    StatusMenuItem item = line(std::move(title), action);
    item.checkable = true;
    item.checked = checked;
    return item;
}

QString cleanMountPath(const QUrl &url)
{
    const QString local = url.toLocalFile();
    return local.isEmpty() ? local : QDir::cleanPath(local);
}

/// The watcher's cards with their mount paths, worked out once per menu.
struct MountedIndex {
    explicit MountedIndex(const QList<MountedCard> &cards)
        : cards(cards)
    {
        paths.reserve(cards.size());
        for (const MountedCard &card : cards)
            paths.append(card.path());
    }
    const QList<MountedCard> &cards;
    QStringList paths;
};

/// The watcher's card at the same mount point, or one made from the line's own data so that
/// the unmount line works even when the watcher's list lags behind.
MountedCard unmountTarget(const DetectedCard &card, const MountedIndex &mounted)
{
    const qsizetype found = mounted.paths.indexOf(cleanMountPath(*card.mountURL));
    if (found >= 0)
        return mounted.cards[found];
    MountedCard built;
    built.url = *card.mountURL;
    built.name = card.name;
    built.isRemovable = true;
    built.isEjectable = true;
    built.freeBytes = card.freeBytes;
    return built;
}

QList<StatusMenuItem> cardLines(const DetectedCard &card, const MountedIndex &mounted, bool showUnmountItems)
{
    if (card.isEjected)
        return { disabledLine(CardLineTitle::title(card)) };

    StatusMenuItem cardLine = line(CardLineTitle::title(card), Action::OpenCard);
    cardLine.card = card;
    QList<StatusMenuItem> items { cardLine };
    if (card.mountURL && showUnmountItems) {
        // Only a card the disk service knows can stay in the menu once it is unmounted.
        StatusMenuItem unmount = line(card.leavesWhenUnmounted
                ? QCoreApplication::translate("StatusMenuModel", "Unmount (removes it from this menu)")
                : QCoreApplication::translate("StatusMenuModel", "Unmount (keeps it in this menu)"),
            Action::EjectCard);
        unmount.indentation = 1;
        unmount.card = unmountTarget(card, mounted);
        items.append(unmount);
    }
    return items;
}

} // namespace

QList<StatusMenuItem> StatusMenuModel::cardItems(
    const DetectedCard &card, const QList<MountedCard> &mountedCards, bool showUnmountItems)
{
    return cardLines(card, MountedIndex(mountedCards), showUnmountItems);
}

QList<StatusMenuItem> StatusMenuModel::build(const Input &input)
{
    QList<StatusMenuItem> items;
    items.reserve(12 + 2 * input.detectedCards.size());
    items.append(disabledLine(QStringLiteral("Mirvale")));
    items.append(StatusMenuItem::separator());
    if (input.detectedCards.isEmpty())
        items.append(disabledLine(QCoreApplication::translate("StatusMenuModel", "No cards inserted")));
    const MountedIndex mounted(input.mountedCards);
    for (const DetectedCard &card : input.detectedCards)
        items.append(cardLines(card, mounted, input.settings.showUnmountItems));
    items.append(StatusMenuItem::separator());
    items.append(tickLine(QCoreApplication::translate("StatusMenuModel", "Pause watching"),
        Action::TogglePause, input.settings.paused));
    items.append(StatusMenuItem::separator());
    items.append(line(QCoreApplication::translate("StatusMenuModel", "Settings\u2026"), Action::ShowSettings,
        QStringLiteral("Ctrl+,")));
    items.append(tickLine(QCoreApplication::translate("StatusMenuModel", "Launch at Login"),
        Action::ToggleLaunchAtLogin, input.launchAtLogin));
    items.append(line(QCoreApplication::translate("StatusMenuModel", "Show Log"), Action::ShowLog));
    StatusMenuItem update = line(input.updateTitle, Action::CheckForUpdates);
    update.enabled = input.updateEnabled;
    items.append(update);
    items.append(StatusMenuItem::separator());
    items.append(line(QCoreApplication::translate("StatusMenuModel", "Quit Mirvale"), Action::Quit,
        QStringLiteral("Ctrl+Q")));
    return items;
}

QString StatusMenuModel::identityKey(const DetectedCard &card)
{
    return card.mountURL ? cleanMountPath(*card.mountURL) : card.deviceName;
}

QList<qsizetype> StatusMenuModel::retitle(
    QList<StatusMenuItem> &items, const QList<DetectedCard> &detectedCards)
{
    QList<qsizetype> changed;
    if (detectedCards.isEmpty())
        return changed;
    QStringList freshKeys;
    freshKeys.reserve(detectedCards.size());
    for (const DetectedCard &card : detectedCards)
        freshKeys.append(identityKey(card));
    for (qsizetype i = 0; i < items.size(); ++i) {
        const DetectedCard *shown = items[i].detectedCard();
        if (!shown)
            continue;
        const QString key = identityKey(*shown);
        if (key.isEmpty())
            continue;
        const qsizetype at = freshKeys.indexOf(key);
        if (at < 0 || detectedCards[at].isEjected)
            continue;
        const DetectedCard *fresh = &detectedCards[at];
        items[i].card = *fresh;
        const QString title = CardLineTitle::title(*fresh);
        if (title != items[i].title) {
            items[i].title = title;
            changed.append(i);
        }
    }
    return changed;
}

bool StatusMenuModel::sameShape(const QList<StatusMenuItem> &shown, const QList<StatusMenuItem> &fresh)
{
    const auto shape = [](const StatusMenuItem &item) {
        return std::tie(item.isSeparator, item.action, item.indentation, item.checkable, item.shortcut);
    };
    return std::equal(shown.cbegin(), shown.cend(), fresh.cbegin(), fresh.cend(),
        [&](const StatusMenuItem &a, const StatusMenuItem &b) { return shape(a) == shape(b); });
}
