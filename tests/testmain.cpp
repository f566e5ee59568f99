#include <gmock/gmock.h>

#ifdef POSITIONER_TEST_GUI
#include <QGuiApplication>
#else
#include <QCoreApplication>
#endif

// The library's waits process the host's events, so the tests run inside an
// application object as the host does. The service tool's tests run inside a
// graphical one, as the tool does, since its report lays out text; like the
// tool, they need no display.
int main(int argc, char** argv)
{
#ifdef POSITIONER_TEST_GUI
    // Kept to the end of the process, as the tool keeps it: taking the
    // offscreen platform down leaves its screen behind.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication* const app = new QGuiApplication(argc, argv);
    Q_UNUSED(app)
#else
    QCoreApplication app(argc, argv);
#endif
    ::testing::InitGoogleMock(&argc, argv);
    return RUN_ALL_TESTS();
}
