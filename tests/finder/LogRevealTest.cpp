#include "finder/LogReveal.h"
#include "common/FakeFinderService.h"
#include "support/Log.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(LogReveal, AsksTheFileManagerToShowTheLogFileSelected)
{
    QTemporaryDir library;
    Log log(library.path());
    FakeFinderService finder;
    LogReveal::revealInFinder(log, finder);

    ASSERT_EQ(finder.requestCount(), 1);
    const FakeFinderService::Request request = finder.request(0);
    EXPECT_EQ(request.folder, QUrl::fromLocalFile(library.path() + QStringLiteral("/Logs/Mirvale")));
    EXPECT_EQ(request.selectFile,
        QUrl::fromLocalFile(library.path() + QStringLiteral("/Logs/Mirvale/dovetta.log")));
    EXPECT_EQ(request.placement, std::nullopt);
}
