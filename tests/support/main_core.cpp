#include <QCoreApplication>

#include <gtest/gtest.h>

// Test main for tests that need no window: a QCoreApplication for event loops.
int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
