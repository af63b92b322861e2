#include "ui/SnapshotMode.h"

#include "app/Coordinator.h"
#include "app/SnapshotOptions.h"
#include "rules/RulesStore.h"
#include "support/Logger.h"
#include "ui/Appearance.h"
#include "ui/SettingsWindow.h"
#include "ui/SnapshotRenderer.h"

#include <QApplication>
#include <QLayout>
#include <QTimer>

void SnapshotMode::run(Coordinator &coordinator, RulesStore &store, Logger &log, const Request &request)
{
    if (SnapshotOptions::rulesFileExists(request.storageFolder))
        store.loadReadOnly();
    else
        log.info(SnapshotOptions::noRulesFileLine());

    // Before the window exists, so that it is built in the chosen appearance.
    if (auto *app = qobject_cast<QApplication *>(QCoreApplication::instance())) {
        Appearance::apply(*app,
            SnapshotOptions::wantsLight(request.arguments) ? Appearance::Mode::Light
                                                           : Appearance::Mode::Dark);
    }
    auto *window = dynamic_cast<SettingsWindow *>(coordinator.settingsWindow());
    if (!window || !window->layout()) {
        QCoreApplication::exit(SnapshotOptions::NoWindow);
        return;
    }
    window->prepareForSnapshot();
    // Laid out and polished like a shown window, but never put on a screen.
    window->setAttribute(Qt::WA_DontShowOnScreen);
    window->move(-30000, -30000);
    window->QWidget::show();
    window->layout()->activate();

    const QString path = request.outputPath;
    QTimer::singleShot(SnapshotOptions::kSettleDelay, window, [window, path] {
        window->layout()->activate();
        QCoreApplication::exit(SnapshotRenderer::writePng(SnapshotRenderer::render(*window), path));
    });
}
