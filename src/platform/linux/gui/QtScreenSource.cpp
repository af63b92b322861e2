#include "platform/linux/gui/QtScreenSource.h"

#include <QGuiApplication>
#include <QScreen>

QtScreenSource::QtScreenSource(QObject *parent)
    : ScreenSource(parent)
{
    auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance());
    if (!app)
        return;
    auto watch = [this](QScreen *screen) {
        connect(screen, &QScreen::availableGeometryChanged, this, &ScreenSource::screensChanged);
    };
    for (QScreen *screen : QGuiApplication::screens())
        watch(screen);
    connect(app, &QGuiApplication::screenAdded, this, [this, watch](QScreen *screen) {
        watch(screen);
        emit screensChanged();
    });
    connect(app, &QGuiApplication::screenRemoved, this, &ScreenSource::screensChanged);
    connect(app, &QGuiApplication::primaryScreenChanged, this, &ScreenSource::screensChanged);
    connect(app, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive)
            emit applicationActivated();
    });
}

ScreenSnapshot QtScreenSource::capture() const
{
    ScreenSnapshot snapshot;
    QScreen *primary = QGuiApplication::primaryScreen();
    if (!primary)
        return snapshot;
    // Placements are relative to the primary screen's corner, and it comes first; Qt's
    // global coordinates may put that corner anywhere on the virtual desktop.
    const QPointF origin = primary->geometry().topLeft();
    const auto topLeft = [&origin](const QScreen *screen) {
        return QRectF(screen->availableGeometry()).translated(-origin);
    };
    snapshot.visibleFramesTopLeft.append(topLeft(primary));
    for (QScreen *screen : QGuiApplication::screens()) {
        if (screen != primary)
            snapshot.visibleFramesTopLeft.append(topLeft(screen));
    }
    snapshot.mainVisibleTopLeft = topLeft(primary);
    return snapshot;
}
