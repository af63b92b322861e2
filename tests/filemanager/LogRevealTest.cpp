#include "filemanager/LogReveal.h"
#include "common/FakeFileManagerService.h"
#include "support/Log.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(LogReveal, AsksTheFileManagerToShowTheLogFileSelected)
{
    QTemporaryDir library;
    Log log(library.path());
    FakeFileManagerService fileManager;
    LogReveal::revealInFileManager(log, fileManager);

    ASSERT_EQ(fileManager.requestCount(), 1);
    const FakeFileManagerService::Request request = fileManager.request(0);
    EXPECT_EQ(request.folder, QUrl::fromLocalFile(library.path() + QStringLiteral("/mirvale")));
    EXPECT_EQ(
        request.selectFile, QUrl::fromLocalFile(library.path() + QStringLiteral("/mirvale/mirvale.log")));
    EXPECT_EQ(request.placement, std::nullopt);
}
