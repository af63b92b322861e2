#include "app/NoTrayNotice.h"

#include "common/FakeDesktopNotifications.h"
#include "common/MemoryStateStore.h"
#include "common/RecordingLogger.h"

#include <gtest/gtest.h>

TEST(NoTrayNotice, ToldOnceEverThroughTheDesktopElseInAWindow)
{
    for (const bool server : { true, false }) {
        MemoryStateStore state;
        FakeDesktopNotifications desktop;
        RecordingLogger log;
        desktop.serve(server ? std::optional(QStringList()) : std::nullopt);
        int windows = 0;
        for (int login = 0; login < 2; ++login) {
            NoTrayNotice notice({ &state, &desktop, &log });
            notice.tell([&] { ++windows; });
            notice.tell([&] { ++windows; }); // while the first is on its way
            desktop.answerAll();
        }
        EXPECT_EQ(desktop.sent.size(), server ? 1u : 0u);
        EXPECT_EQ(windows, server ? 0 : 1);
        EXPECT_TRUE(
            !server || desktop.sent[0].body.startsWith(QStringLiteral("Mirvale is running without a tray")));
    }
}
