#pragma once

#include "rules/AppSettings.h"
#include "ui/model/StatusMenuItem.h"

#include <QCoreApplication>
#include <QList>

/// What the tray menu holds, worked out from the cards, the settings, the launch-at-login
/// state and the update line. Rebuilt whenever the menu is about to open.
namespace StatusMenuModel {

struct Input {
    QList<DetectedCard> detectedCards;
    QList<MountedCard> mountedCards;
    AppSettings settings;
    bool launchAtLogin = false;
    QString updateTitle = QCoreApplication::translate("StatusMenuModel", "Check for Updates\u2026");
    bool updateEnabled = false;
};

/// The whole menu, top to bottom.
QList<StatusMenuItem> build(const Input &input);

/// The one or two lines of one card: the card line and, when it is mounted and
/// `showUnmountItems` is on, its unmount line.
QList<StatusMenuItem> cardItems(
    const DetectedCard &card, const QList<MountedCard> &mountedCards, bool showUnmountItems);

/// What identifies a card across refreshes: its mount path, else its device name.
QString identityKey(const DetectedCard &card);

/// Whether `fresh` has the lines of `shown` in the same places, each doing the same kind of
/// thing, so that a menu can keep its entries (and the identities hosts hold for them) and
/// only take the new titles, ticks and cards.
bool sameShape(const QList<StatusMenuItem> &shown, const QList<StatusMenuItem> &fresh);

/// Gives the card lines of an open menu the fresh cards and their titles; nothing is added or
/// removed. Returns the indices whose title changed.
QList<qsizetype> retitle(QList<StatusMenuItem> &items, const QList<DetectedCard> &detectedCards);

} // namespace StatusMenuModel
