#pragma once

#include "platform/UpdateService.h"

#include <QDBusConnection>
#include <QString>
#include <QTimer>

#include <chrono>

class Logger;

/// Updates through PackageKit on the system bus: a newer version of the installed "mirvale"
/// package is looked for at start and once a day, and installed when the user chooses it
/// (PackageKit asks for the user's authorisation). Where PackageKit or the package is absent,
/// one line says so and no check is ever offered. All calls are asynchronous.
class PackageKitUpdateService final : public UpdateService {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds kCheckInterval { 24 * 60 * 60 * 1000 };

    PackageKitUpdateService(QDBusConnection systemBus, Logger &log,
        QString packageName = QStringLiteral("mirvale"),
        std::chrono::milliseconds checkInterval = kCheckInterval, QObject *parent = nullptr);
    ~PackageKitUpdateService() override;

    void start() override;
    void checkForUpdates() override;

private slots:
    // Slots by name: QDBusConnection::connect offers no pointer-to-member form.
    void onPackage(uint info, const QString &packageId, const QString &summary);
    void onErrorCode(uint code, const QString &details);
    void onFinished(uint exit, uint runtime);

private:
    enum class Step { None, ResolveInstalled, GetUpdates, Install };

    void begin(Step step, bool userAsked);
    void runStep(const QString &transactionPath);
    void finishStep(bool succeeded);
    void unavailable(const QString &why);
    void setBusy(bool busy);
    void watchTransaction(bool on);

    QDBusConnection m_bus;
    Logger &m_log;
    const QString m_package;
    QTimer m_timer;

    bool m_started = false;
    bool m_available = false;
    Step m_step = Step::None;
    bool m_userAsked = false;
    // Replies that belong to an earlier step are ignored.
    quint64 m_generation = 0;
    QString m_transactionPath;
    QString m_installedId;
    QString m_updateId;
    QString m_transactionError;
};
