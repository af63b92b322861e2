#include "common/TestEnvironment.h"
#include "support/Translations.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    TestEnvironment::isolateHome();
    QCoreApplication app(argc, argv);
    // The English texts as users read them: plural forms come from the English catalogue.
    Translations::installEnglish(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
