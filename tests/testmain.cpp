#include <gmock/gmock.h>

#include <QCoreApplication>

// The library's waits process the host's events, so the tests run inside an
// application object as the host does.
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleMock(&argc, argv);
    return RUN_ALL_TESTS();
}
