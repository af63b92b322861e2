#include "app/Coordinator.h"

#include "app/AbstractNotifier.h"
#include "app/AbstractSettingsWindow.h"
#include "app/AbstractStatusMenu.h"
#include "rules/RulesProvider.h"
#include "support/Logger.h"
#include "support/MirvaleError.h"
#include "support/ShownText.h"
#include "support/UserText.h"

#include <QDir>
#include <QFileInfo>
#include <QPointer>

// What the user asks for from the menu, the panels, the settings window and the control
// interface; the card pipeline itself is in Coordinator.cpp.

void Coordinator::cardClicked(const DetectedCard &card, VolumeWatching::RequestCompletion outcome)
{
    const VolumeWatching::RequestCompletion report = orNothing(outcome);
    Logger *log = m_services.log;
    if (card.isEjected) {
        log->info(
            card.name + QStringLiteral(": ejected (powered down but still in the slot), reinsert to use"));
        //: %1 is the card's name.
        report(MirvaleError::diskError(UserText::translate(
            "Coordinator", "%1 is ejected (powered down but still in the slot); reinsert it to use it")
                                           .arg(UserText::verbatim(ShownText::isolated(card.name)))));
        return;
    }

    const QPointer<Coordinator> alive(this);
    if (!card.mountURL) {
        log->info(card.name + QStringLiteral(": not mounted, mounting ") + card.deviceName);
        const QString pendingName = card.name.toLower();
        m_pendingUserOpenNames.insert(pendingName);
        if (outcome)
            m_pendingOutcomes.insert(pendingName, outcome);
        m_volumeWatcher->mount(
            card, [this, alive, card, pendingName, report](const std::optional<MirvaleError> &error) {
                if (error) {
                    if (alive) {
                        m_pendingUserOpenNames.remove(pendingName);
                        m_pendingOutcomes.remove(pendingName);
                        m_services.log->error(card.name + QStringLiteral(": mount failed \u2014 ")
                            + error->englishDescription());
                        MountedCard synthetic;
                        synthetic.url = QUrl::fromLocalFile(QStringLiteral("/media/") + card.name);
                        synthetic.name = card.name;
                        synthetic.isRemovable = true;
                        synthetic.isEjectable = true;
                        m_services.notifier->cardProblem(synthetic, error->text());
                    }
                }
                // On success the volume arrives through the mount callback, which finds the name
                // and the outcome waiting for it.
                if (error)
                    report(error);
            });
        return;
    }

    const QString path = card.mountURL->toLocalFile();
    const QList<MountedCard> mounted = m_volumeWatcher->mountedCards();
    for (const MountedCard &candidate : mounted) {
        if (candidate.url.toLocalFile() == path) {
            handle(candidate, true, outcome);
            return;
        }
    }
    m_volumeWatcher->makeCardAsync(*card.mountURL,
        [this, alive, name = card.name, path, report](const std::optional<MountedCard> &made) {
            if (alive && made) {
                handle(*made, true, report);
                return;
            }
            if (alive)
                m_services.log->warn(name + QStringLiteral(": reported mounted at ") + path
                    + QStringLiteral(" but no matching card was found"));
            //: %1 is a path.
            report(MirvaleError::diskError(
                UserText::translate("Coordinator", "no readable card was found at %1").arg(path)));
        });
}

void Coordinator::test(const Rule &rule, const MountedCard &card)
{
    Queued queued;
    queued.card = card;
    queued.userAsked = true;
    queued.forcedRule = rule;
    queued.screens = currentScreens();
    queued.tell = orNothing({});
    enqueue(std::move(queued));
}

void Coordinator::showSettings(bool revealExtras)
{
    QMetaObject::invokeMethod(
        this,
        [this, revealExtras] {
            if (AbstractSettingsWindow *window = settingsWindow())
                window->show(revealExtras);
            else
                m_services.log->info(
                    QStringLiteral("Coordinator: this session has no settings window to show"));
        },
        Qt::QueuedConnection);
}

void Coordinator::togglePause()
{
    setPaused(!m_services.rules->settings().paused);
}

void Coordinator::setPaused(bool paused)
{
    AppSettings settings = m_services.rules->settings();
    settings.paused = paused;
    m_services.rules->setSettings(settings);
    m_services.log->info(QStringLiteral("Paused set to ")
        + (settings.paused ? QStringLiteral("true") : QStringLiteral("false")));
    if (m_statusMenu)
        m_statusMenu->refreshIcon();
}

void Coordinator::eject(const MountedCard &card, VolumeWatching::RequestCompletion onDone)
{
    m_services.log->info(QStringLiteral("Ejecting ") + card.name);
    m_unmounter->unmount(card, std::move(onDone));
}

void Coordinator::ejectByURL(const QUrl &volume)
{
    const QString path = volume.toLocalFile();
    const QList<MountedCard> mounted = m_volumeWatcher->mountedCards();
    for (const MountedCard &card : mounted) {
        if (card.url.toLocalFile() == path) {
            eject(card);
            return;
        }
    }
    m_services.log->warn(
        QStringLiteral("eject requested for ") + path + QStringLiteral(" but it is not currently mounted"));
    MountedCard synthetic;
    synthetic.url = volume;
    synthetic.name = QFileInfo(QDir::cleanPath(path)).fileName();
    synthetic.isRemovable = true;
    synthetic.isEjectable = true;
    m_services.notifier->cardProblem(
        synthetic, UserText::translate("Coordinator", "That card is no longer mounted."));
}
