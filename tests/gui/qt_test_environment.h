// What a window test program sets up before its QApplication, so that a run
// prints the tests' own output and nothing else: Qt's offscreen platform, a
// runtime folder private to the user when the session has none (Qt warns
// "XDG_RUNTIME_DIR not set" and makes one in /tmp otherwise), and the
// program's own filter of the offscreen platform's harmless warning.
#pragma once

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QtGlobal>
#include <memory>

#include "gui/qt_messages.h"

namespace skyledger {

class QtTestEnvironment {
public:
    QtTestEnvironment() {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
            // Made with the owner's permissions only, as Qt requires.
            runtime_ = std::make_unique<QTemporaryDir>();
            if (runtime_->isValid())
                qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime_->path()));
        }
        quietenQtOffscreenMessages();
    }

private:
    std::unique_ptr<QTemporaryDir> runtime_;
};

// Within its scope, Qt's messages are kept instead of printed: for the one
// call of a test that makes Qt complain on purpose (a file that cannot be
// written), so that the test can check what Qt said and the run stays quiet.
class QtMessageCatcher {
public:
    QtMessageCatcher() : previous_(qInstallMessageHandler(keep)) { caught().clear(); }
    ~QtMessageCatcher() { qInstallMessageHandler(previous_); }
    QtMessageCatcher(const QtMessageCatcher&) = delete;
    QtMessageCatcher& operator=(const QtMessageCatcher&) = delete;

    [[nodiscard]] QStringList messages() const { return caught(); }

private:
    static QStringList& caught() {
        static QStringList list;
        return list;
    }
    static void keep(QtMsgType, const QMessageLogContext&, const QString& text) {
        caught() << text;
    }
    QtMessageHandler previous_;
};

} // namespace skyledger
