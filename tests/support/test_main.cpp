// Test main: a QApplication (offscreen unless a display is chosen), test-mode standard paths
// and a home folder of the run's own, so no test reaches the user's settings, data or trash.
// The windows show numbers as in English whatever the locale the suite runs under (the
// sanitizer run's is German): the files must not follow the locale, which is what that run
// shows; how a German window shows them is a test of its own.
#include <QApplication>
#include <QLocale>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
