#include "app/ControlInterface.h"

#include "app/ControlAdaptor.h"
#include "app/Coordinator.h"
#include "app/SettingKeys.h"
#include "detection/CardLineTitle.h"
#include "rules/RulesProvider.h"
#include "support/DurationText.h"
#include "support/Logger.h"

#include <QDir>
#include <QPointer>
#include <QTimer>

#include <algorithm>
#include <utility>

const QString ControlInterface::kServiceName = QStringLiteral("io.github.mirvale.Mirvale");
const QString ControlInterface::kObjectPath = QStringLiteral("/io/github/mirvale/Mirvale");
const QString ControlInterface::kInterfaceName = QStringLiteral("io.github.mirvale.Mirvale1");

namespace {

const QString kUnknownCard = QStringLiteral("io.github.mirvale.Mirvale1.Error.UnknownCard");
const QString kNotMounted = QStringLiteral("io.github.mirvale.Mirvale1.Error.NotMounted");
const QString kFailed = QStringLiteral("io.github.mirvale.Mirvale1.Error.Failed");
const QString kUnknownSetting = QStringLiteral("io.github.mirvale.Mirvale1.Error.UnknownSetting");
const QString kInvalidValue = QStringLiteral("io.github.mirvale.Mirvale1.Error.InvalidValue");

QString state(const DetectedCard &card)
{
    if (card.isEjected)
        return QStringLiteral("ejected");
    return card.isMounted() ? QStringLiteral("mounted") : QStringLiteral("unmounted");
}

QString mountPath(const DetectedCard &card)
{
    return card.mountURL ? QDir::cleanPath(card.mountURL->toLocalFile()) : QString();
}

} // namespace

ControlInterface::ControlInterface(Coordinator &coordinator, Logger &log, QObject *parent)
    : QObject(parent)
    , m_coordinator(coordinator)
    , m_log(log)
    , m_lastPaused(coordinator.rules().settings().paused)
{
    coordinator.volumeWatcher().observeCardsChanged(this, [this] { emit cardsChanged(); });
    connect(&coordinator.rules(), &RulesProvider::settingsChanged, this, [this] {
        const bool now = paused();
        if (now != m_lastPaused) {
            m_lastPaused = now;
            emit pausedChanged(now);
        }
    });
}

ControlInterface::~ControlInterface() = default;

bool ControlInterface::registerOn(QDBusConnection connection)
{
    new ControlAdaptor(*this, connection);
    return connection.registerObject(kObjectPath, this, QDBusConnection::ExportAdaptors);
}

QVariantMap ControlInterface::describe(const DetectedCard &card)
{
    return {
        { QStringLiteral("name"), card.name },
        { QStringLiteral("state"), state(card) },
        { QStringLiteral("mountPath"), mountPath(card) },
        { QStringLiteral("device"), card.deviceName },
        { QStringLiteral("freeBytes"), qint64(card.freeBytes.value_or(-1)) },
        // English, as scripts read it; mirvalectl shows the user's language.
        { QStringLiteral("title"), CardLineTitle::text(card).english() },
        { QStringLiteral("shownTitle"), CardLineTitle::title(card) },
    };
}

QList<QVariantMap> ControlInterface::listCards() const
{
    QList<QVariantMap> cards;
    for (const DetectedCard &card : m_coordinator.volumeWatcher().detectedCards())
        cards.append(describe(card));
    return cards;
}

void ControlInterface::listFreshCards(std::function<void(const QList<QVariantMap> &)> reply)
{
    VolumeWatching &watcher = m_coordinator.volumeWatcher();
    const QList<DetectedCard> cards = watcher.detectedCards();
    if (std::none_of(
            cards.cbegin(), cards.cend(), [](const DetectedCard &card) { return card.isMounted(); })) {
        reply(listCards());
        return;
    }
    auto pending = std::make_shared<std::function<void(const QList<QVariantMap> &)>>(std::move(reply));
    auto connection = std::make_shared<QMetaObject::Connection>();
    auto answer = [this, pending, connection] {
        QObject::disconnect(*connection);
        if (const auto done = std::exchange(*pending, nullptr))
            done(listCards());
    };
    // The fresh figures arrive as a change of the cards.
    *connection = connect(this, &ControlInterface::cardsChanged, this, answer);
    QTimer::singleShot(kFreshFiguresWait, this, answer);
    watcher.refreshFreeSpaceNow();
}

std::optional<DetectedCard> ControlInterface::findCard(const QString &card) const
{
    if (card.isEmpty())
        return std::nullopt;
    const QList<DetectedCard> cards = m_coordinator.volumeWatcher().detectedCards();
    const QString asPath = card.startsWith(QLatin1Char('/')) ? QDir::cleanPath(card) : QString();
    // Exact forms first, then the name without regard to case.
    for (const DetectedCard &candidate : cards) {
        if (candidate.name == card || candidate.deviceName == card
            || (!asPath.isEmpty()
                && (mountPath(candidate) == asPath
                    || QStringLiteral("/dev/") + candidate.deviceName == asPath)))
            return candidate;
    }
    for (const DetectedCard &candidate : cards) {
        if (candidate.name.compare(card, Qt::CaseInsensitive) == 0)
            return candidate;
    }
    return std::nullopt;
}

ControlInterface::Error ControlInterface::unknownCard(const QString &card)
{
    // What the caller sent is echoed only in part: a huge argument would make a huge reply.
    constexpr int kEchoedCharacters = 200;
    const QString echoed
        = card.size() > kEchoedCharacters ? card.left(kEchoedCharacters) + QChar(0x2026) : card;
    return { kUnknownCard,
        //: %1 is what the caller named the card.
        tr("No card matches \"%1\"; name a card by its name, mount path or device").arg(echoed) };
}

void ControlInterface::openCard(const QString &card, Reply reply)
{
    const std::optional<DetectedCard> found = findCard(card);
    if (!found) {
        reply(unknownCard(card));
        return;
    }
    // The answer waits for the outcome, within a limit of its own: success means it opened.
    auto answered = std::make_shared<bool>(false);
    const auto once = [answered, reply](const std::optional<Error> &error) {
        if (!std::exchange(*answered, true))
            reply(error);
    };
    QTimer::singleShot(m_openReplyLimit, this, [once, limit = m_openReplyLimit] {
        once(Error { kFailed,
            //: %1 is a time, such as "45s".
            tr("no outcome within %1; the card may still open").arg(DurationText::seconds(limit)) });
    });
    m_coordinator.cardClicked(*found, [once](const std::optional<MirvaleError> &error) {
        once(error ? std::optional(Error { kFailed, error->description() }) : std::nullopt);
    });
}

void ControlInterface::eject(const QString &card, Reply reply)
{
    const std::optional<DetectedCard> found = findCard(card);
    if (!found) {
        reply(unknownCard(card));
        return;
    }
    if (!found->mountURL) {
        //: %1 is the card's name.
        reply(Error { kNotMounted, tr("%1 is not mounted").arg(found->name) });
        return;
    }
    // The watcher's own record when it has one, as the menu's unmount line does.
    MountedCard mounted { *found->mountURL, found->name, true, true, found->freeBytes };
    for (const MountedCard &candidate : m_coordinator.volumeWatcher().mountedCards()) {
        if (candidate.url.toLocalFile() == found->mountURL->toLocalFile()) {
            mounted = candidate;
            break;
        }
    }
    m_coordinator.eject(mounted, [reply](const std::optional<MirvaleError> &error) {
        reply(error ? std::optional(Error { kFailed, error->description() }) : std::nullopt);
    });
}

void ControlInterface::togglePause(Reply reply)
{
    setPaused(!paused(), std::move(reply));
}

void ControlInterface::setPaused(bool paused, Reply reply)
{
    replyWhenSaved(std::move(reply));
    m_coordinator.setPaused(paused);
}

QString ControlInterface::setting(const QString &key, std::optional<Error> &error) const
{
    const std::optional<QString> value
        = SettingKeys::value(m_coordinator.rules().settings(), key, m_reportDefault);
    if (!value) {
        AppSettings scratch;
        error = Error { kUnknownSetting, *SettingKeys::assign(scratch, key, QString()) };
        return {};
    }
    return *value;
}

void ControlInterface::setSetting(const QString &key, const QString &value, Reply reply)
{
    AppSettings settings = m_coordinator.rules().settings();
    if (const std::optional<QString> problem = SettingKeys::assign(settings, key, value)) {
        reply(Error { SettingKeys::names().contains(key) ? kInvalidValue : kUnknownSetting, *problem });
        return;
    }
    m_log.info(QStringLiteral("Control: setting ") + key + QStringLiteral(" to ") + value);
    if (key == QLatin1String("paused")) {
        setPaused(settings.paused, std::move(reply));
        return;
    }
    replyWhenSaved(std::move(reply));
    m_coordinator.rules().setSettings(settings);
}

void ControlInterface::replyWhenSaved(Reply reply)
{
    RulesProvider &rules = m_coordinator.rules();
    // Whichever outcome of this change's write comes first answers; the other is dropped.
    auto answered = std::make_shared<bool>(false);
    auto connections = std::make_shared<QList<QMetaObject::Connection>>();
    const auto once = [answered, connections, reply](const std::optional<Error> &error) {
        if (std::exchange(*answered, true))
            return;
        for (const QMetaObject::Connection &connection : std::as_const(*connections))
            QObject::disconnect(connection);
        reply(error);
    };
    connections->append(connect(&rules, &RulesProvider::settingsSaved, this, [once] { once(std::nullopt); }));
    connections->append(
        connect(&rules, &RulesProvider::settingsSaveFailed, this, [this, once](const QString &message) {
            const bool paused = this->paused();
            //: %1 is the reason, such as the file system's message.
            const QString text = message.isEmpty()
                ? (paused ? tr("could not save the settings; Mirvale stays paused")
                          : tr("could not save the settings; Mirvale stays watching"))
                : (paused ? tr("could not save the settings (%1); Mirvale stays paused")
                          : tr("could not save the settings (%1); Mirvale stays watching"))
                      .arg(message);
            once(Error { kFailed, text });
        }));
}

void ControlInterface::showSettings(bool revealExtras)
{
    m_log.info(QStringLiteral("Control: asked to show the settings window")
        + (revealExtras ? QStringLiteral(" with its extras") : QString()));
    m_coordinator.showSettings(revealExtras);
}

bool ControlInterface::paused() const
{
    return m_coordinator.rules().settings().paused;
}
