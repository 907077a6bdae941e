// The desktop program finds its settings through the core's decision; here
// the core's user folder is checked against the folder Qt itself reports for
// an application named "Skyledger", so a desktop user finds the file where
// every other Qt program keeps its configuration.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

#include <cstdlib>
#include <optional>
#include <string>

#include "settings/settings_location.h"

namespace skyledger {
namespace {

// Restores an environment variable and the application's names on exit.
class SavedVariable {
  public:
    explicit SavedVariable(const char* name) : name_(name) {
        if (const char* value = std::getenv(name)) value_ = value;
    }
    ~SavedVariable() {
        if (value_)
            qputenv(name_, QByteArray::fromStdString(*value_));
        else
            qunsetenv(name_);
    }

  private:
    const char* name_;
    std::optional<std::string> value_;
};

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
    SavedVariable config("XDG_CONFIG_HOME");
    SavedVariable home("HOME");
    const QString application = QCoreApplication::applicationName();
    const QString organisation = QCoreApplication::organizationName();
    QCoreApplication::setApplicationName("Skyledger");
    QCoreApplication::setOrganizationName(QString());

    qputenv("HOME", "/home/skyledger-test");
    qputenv("XDG_CONFIG_HOME", "/tmp/skyledger-config-test/");
    EXPECT_EQ(coreConfigFolder(), "/tmp/skyledger-config-test/Skyledger");
    EXPECT_EQ(coreConfigFolder(), qtConfigFolder());
    qunsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(coreConfigFolder(), "/home/skyledger-test/.config/Skyledger");
    EXPECT_EQ(coreConfigFolder(), qtConfigFolder());

    QCoreApplication::setApplicationName(application);
    QCoreApplication::setOrganizationName(organisation);
}

} // namespace
} // namespace skyledger
