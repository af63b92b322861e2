#include "common/TestEnvironment.h"
#include "support/Translations.h"

#include <QApplication>

#include <gtest/gtest.h>

// Widget tests need a QApplication; the ctest environment picks the offscreen platform.
int main(int argc, char **argv)
{
    TestEnvironment::isolateHome();
    QApplication app(argc, argv);
    // The English texts as users read them: plural forms come from the English catalogue.
    Translations::installEnglish(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
