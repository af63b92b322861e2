#include "common/TestEnvironment.h"

#include <QApplication>

#include <gtest/gtest.h>

// Widget tests need a QApplication; the ctest environment picks the offscreen platform.
int main(int argc, char **argv)
{
    TestEnvironment::isolateHome();
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
