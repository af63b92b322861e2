#pragma once

#include "platform/TrayIconImage.h"
#include "platform/TrayMenuEntry.h"

#include <QList>
#include <QObject>
#include <QPoint>
#include <QString>

/// Mirvale's own status-notifier item and its menu, exported to the desktop's tray host.
/// The menu it serves is the one last handed in; it never asks for a fresh one when a host
/// is about to show it.
class StatusNotifierExport : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    /// Whether a tray host shows the item: a watcher runs and a host registered with it.
    virtual bool isShown() const = 0;

    /// Starts looking for a watcher and registers with every one that appears.
    virtual void start() = 0;
    virtual void setIcon(const QString &themedName, const QList<TrayIconImage> &images) = 0;
    /// A menu of another shape: hosts are told to read it again.
    virtual void setLayout(const QList<TrayMenuEntry> &entries) = 0;
    /// The same shape with some entries changed: hosts are sent only those.
    virtual void updateEntries(const QList<TrayMenuEntry> &entries, const QList<int> &changedIds) = 0;

signals:
    /// isShown() changed, or was found out for the first time.
    void hostChanged();
    /// The user chose the entry with this id.
    void entryClicked(int id);
    /// The user asked for the menu by clicking the item, at this place on the screen.
    void menuRequested(QPoint position);
};
