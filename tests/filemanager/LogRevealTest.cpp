#include "filemanager/LogReveal.h"
#include "common/FakeFileManagerService.h"
#include "support/Log.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(LogReveal, AsksTheFileManagerToShowTheLogFileSelected)
{
    QTemporaryDir library;
    Log log(library.path());
    FakeFileManagerService finder;
    LogReveal::revealInFileManager(log, finder);

    ASSERT_EQ(finder.requestCount(), 1);
    const FakeFileManagerService::Request request = finder.request(0);
    EXPECT_EQ(request.folder, QUrl::fromLocalFile(library.path() + QStringLiteral("/mirvale")));
    EXPECT_EQ(
        request.selectFile, QUrl::fromLocalFile(library.path() + QStringLiteral("/mirvale/mirvale.log")));
    EXPECT_EQ(request.placement, std::nullopt);
}
