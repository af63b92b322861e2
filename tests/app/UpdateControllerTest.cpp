#include "app/UpdateController.h"
#include "common/FakeUpdateService.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

const QString kCheck = QStringLiteral("Check for Updates\u2026");

} // namespace

TEST(UpdateController, DisabledUntilTheServiceSaysACheckMayStart)
{
    FakeUpdateService service;
    UpdateController controller(&service);
    EXPECT_EQ(controller.makeMenuItem().title, kCheck);
    EXPECT_FALSE(controller.makeMenuItem().enabled);

    controller.start();
    controller.start();
    EXPECT_EQ(service.starts(), 1);
    EXPECT_FALSE(controller.makeMenuItem().enabled);

    emit service.canCheckForUpdatesChanged(true);
    EXPECT_TRUE(controller.makeMenuItem().enabled);
    emit service.canCheckForUpdatesChanged(false); // a check is running
    EXPECT_FALSE(controller.canCheckForUpdates());
}

TEST(UpdateController, AGentleNoticeRetitlesTheLineAndIsPostedOncePerChange)
{
    FakeUpdateService service;
    UpdateController controller(&service);
    QSignalSpy changes(&controller, &UpdateController::updateAvailabilityChanged);
    controller.start();
    emit service.canCheckForUpdatesChanged(true);

    emit service.updateFound(QStringLiteral("2.3"));
    EXPECT_EQ(controller.makeMenuItem().title, QStringLiteral("Update to 2.3\u2026"));
    EXPECT_EQ(controller.availableVersion(), QStringLiteral("2.3"));
    emit service.updateFound(QStringLiteral("2.3")); // the same version again: nothing new
    EXPECT_EQ(changes.count(), 1);

    // Choosing the line asks the service, which then reports the user's attention.
    controller.checkForUpdates();
    EXPECT_EQ(service.checks(), 1);
    emit service.userAttended();
    EXPECT_EQ(controller.makeMenuItem().title, kCheck);
    EXPECT_EQ(changes.count(), 2);

    emit service.sessionFinished(); // already absent: nothing new
    EXPECT_EQ(changes.count(), 2);

    emit service.updateFound(QStringLiteral("2.4"));
    emit service.sessionFinished();
    EXPECT_EQ(changes.count(), 4);
    EXPECT_EQ(controller.availableVersion(), std::nullopt);
}

TEST(UpdateController, CheckingStartsTheServiceFirst)
{
    FakeUpdateService service;
    UpdateController controller(&service);
    controller.checkForUpdates();
    EXPECT_EQ(service.starts(), 1);
    EXPECT_EQ(service.checks(), 1);
}

TEST(UpdateController, WithoutAServiceTheLineStaysDisabled)
{
    UpdateController controller(nullptr);
    controller.start();
    controller.checkForUpdates();
    EXPECT_EQ(controller.makeMenuItem().title, kCheck);
    EXPECT_FALSE(controller.makeMenuItem().enabled);
}
