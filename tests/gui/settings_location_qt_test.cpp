// The desktop program finds its settings through the core's decision; here
// the core's user folder is checked against the folder Qt itself reports for
// an application named "Skyledger", so a desktop user finds the file where
// every other Qt program keeps its configuration.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

#include <string>

#include "settings/settings_location.h"

namespace skyledger {
namespace {

std::string qtConfigFolder() {
    return QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation))
        .toStdString();
}

std::string coreConfigFolder() {
    return QDir::cleanPath(QString::fromStdString(
                               userSettingsDirectory(settingsEnvironment("/usr/bin/skyledger"))))
        .toStdString();
}

TEST(SettingsLocationQt, UserFolderIsQtsAppConfigLocation) {
    const QByteArray home = qgetenv("HOME");
    const bool hadConfigHome = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    const QByteArray configHome = qgetenv("XDG_CONFIG_HOME");
    const QString application = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName("Skyledger");
    QCoreApplication::setOrganizationName(QString());

    qputenv("HOME", "/home/skyledger-test");
    qputenv("XDG_CONFIG_HOME", "/tmp/skyledger-config-test/");
    EXPECT_EQ(coreConfigFolder(), "/tmp/skyledger-config-test/Skyledger");
    EXPECT_EQ(coreConfigFolder(), qtConfigFolder());
    qunsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(coreConfigFolder(), "/home/skyledger-test/.config/Skyledger");
    EXPECT_EQ(coreConfigFolder(), qtConfigFolder());

    qputenv("HOME", home);
    if (hadConfigHome) qputenv("XDG_CONFIG_HOME", configHome);
    QCoreApplication::setApplicationName(application);
}

} // namespace
} // namespace skyledger
