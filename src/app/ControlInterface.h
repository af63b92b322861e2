#pragma once

#include "detection/DetectedCard.h"
#include "rules/AppSettings.h"

#include <QDBusConnection>
#include <QList>
#include <QObject>
#include <QVariantMap>

#include <chrono>
#include <functional>
#include <optional>

class Coordinator;
class Logger;

/// What the running Mirvale offers other programs (mirvalectl, scripts) on the session bus:
/// the card list and the user's actions. The D-Bus shape is ControlAdaptor's; the decisions
/// are here.
class ControlInterface : public QObject {
    Q_OBJECT
public:
    static const QString kServiceName; ///< "io.github.mirvale.Mirvale"
    static const QString kObjectPath; ///< "/io/github/mirvale/Mirvale"
    static const QString kInterfaceName; ///< "io.github.mirvale.Mirvale1"
    /// How long a listing waits for fresh free space; figures that did not change send no news.
    static constexpr std::chrono::milliseconds kFreshFiguresWait { 300 };

    /// A refusal: a D-Bus error name and the text a person reads.
    struct Error {
        QString name;
        QString message;
    };
    using Reply = std::function<void(const std::optional<Error> &error)>;

    ControlInterface(Coordinator &coordinator, Logger &log, QObject *parent = nullptr);
    ~ControlInterface() override;

    /// Exports the interface on `connection`; false when the path is taken.
    bool registerOn(QDBusConnection connection);

    /// The detected cards in the menu's order, one dictionary each.
    QList<QVariantMap> listCards() const;
    /// listCards() once the free space of the mounted cards has been measured afresh, or
    /// kFreshFiguresWait has passed; `reply` hears it once.
    void listFreshCards(std::function<void(const QList<QVariantMap> &)> reply);
    /// How long an open may take before the caller hears that there is no outcome yet;
    /// below mirvalectl's own wait.
    static constexpr std::chrono::milliseconds kOpenReplyLimit { 100'000 };

    /// Opens the card named by `card` (a name, mount path or device), mounting it first when
    /// needed; `reply` hears once whether it opened, or why not.
    void openCard(const QString &card, Reply reply);
    void setOpenReplyLimit(std::chrono::milliseconds limit) { m_openReplyLimit = limit; }
    /// Unmounts the card named by `card`; `reply` hears the outcome once.
    void eject(const QString &card, Reply reply);
    /// Flips pausing; `reply` hears once the setting is saved, or that it could not be (then
    /// Mirvale has gone back to the old value).
    void togglePause(Reply reply);
    /// Sets pausing, whatever it was; `reply` hears as for togglePause.
    void setPaused(bool paused, Reply reply);
    void showSettings(bool revealExtras);
    bool paused() const;
    /// The value of the setting `key` as text, or why there is none.
    QString setting(const QString &key, std::optional<Error> &error) const;
    /// Sets the setting `key` from text; `reply` hears as for togglePause, or the refusal.
    void setSetting(const QString &key, const QString &value, Reply reply);
    /// What reportWith means while the user has not chosen.
    void setReportDefault(ReportMedium medium) { m_reportDefault = medium; }

    /// One card as ListCards gives it.
    static QVariantMap describe(const DetectedCard &card);

signals:
    void cardsChanged();
    void pausedChanged(bool paused);

private:
    std::optional<DetectedCard> findCard(const QString &card) const;
    static Error unknownCard(const QString &card);
    /// Answers `reply` once the settings change made next is saved, or could not be.
    void replyWhenSaved(Reply reply);

    Coordinator &m_coordinator;
    Logger &m_log;
    bool m_lastPaused = false;
    ReportMedium m_reportDefault = ReportMedium::Panels;
    std::chrono::milliseconds m_openReplyLimit = kOpenReplyLimit;
};
