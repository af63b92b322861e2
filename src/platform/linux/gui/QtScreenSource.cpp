#include "platform/linux/gui/QtScreenSource.h"

#include "support/MainQueue.h"

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
    MIRVALE_ASSERT_MAIN_THREAD();
    ScreenSnapshot snapshot;
    const QList<QScreen *> screens = QGuiApplication::screens();
    // The primary screen comes first, as the placement coordinates are relative to it.
    QScreen *primary = QGuiApplication::primaryScreen();
    if (primary)
        snapshot.visibleFramesTopLeft.append(QRectF(primary->availableGeometry()));
    for (QScreen *screen : screens) {
        if (screen != primary)
            snapshot.visibleFramesTopLeft.append(QRectF(screen->availableGeometry()));
    }
    if (primary)
        snapshot.mainVisibleTopLeft = QRectF(primary->availableGeometry());
    return snapshot;
}
