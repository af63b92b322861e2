#include "app/UpdateController.h"

#include <QCoreApplication>

#include "platform/UpdateService.h"

UpdateController::UpdateController(UpdateService *service, QObject *parent)
    : QObject(parent)
    , m_service(service)
{
}

void UpdateController::start()
{
    if (m_started || !m_service)
        return;
    m_started = true;
    connect(
        m_service, &UpdateService::canCheckForUpdatesChanged, this, &UpdateController::setCanCheckForUpdates);
    connect(m_service, &UpdateService::updateFound, this,
        [this](const QString &version) { setAvailableVersion(version); });
    connect(m_service, &UpdateService::userAttended, this, [this] { setAvailableVersion(std::nullopt); });
    connect(m_service, &UpdateService::sessionFinished, this, [this] { setAvailableVersion(std::nullopt); });
    m_service->start();
}

void UpdateController::checkForUpdates()
{
    start();
    if (m_service)
        m_service->checkForUpdates();
}

UpdateController::MenuItem UpdateController::makeMenuItem() const
{
    MenuItem item;
    //: A menu entry; %1 is the version, such as "1.4.2".
    item.title = m_availableVersion
        ? QCoreApplication::translate("UpdateController", "Update to %1…").arg(*m_availableVersion)
        : QCoreApplication::translate("UpdateController", "Check for Updates…");
    item.enabled = m_canCheckForUpdates;
    return item;
}

void UpdateController::setAvailableVersion(const std::optional<QString> &version)
{
    if (version == m_availableVersion)
        return;
    m_availableVersion = version;
    emit updateAvailabilityChanged();
}

void UpdateController::setCanCheckForUpdates(bool canCheck)
{
    if (canCheck == m_canCheckForUpdates)
        return;
    m_canCheckForUpdates = canCheck;
    emit canCheckForUpdatesChanged(canCheck);
}
