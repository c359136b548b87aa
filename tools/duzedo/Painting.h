#pragma once

#include <QGuiApplication>

// Drawing text needs the GUI module's fonts, never a display: the GUI application on the offscreen
// platform, for as long as this lives. Only one may exist, and none beside another application.
class Painting {
  private:
    // Before the application: Qt's notices about the environment of a platform without a screen
    // would break the one-line error rule.
    static int Offscreen() {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        return 1;
    }

    int argc_ = Offscreen();
    char name_[7] = "duzedo";
    char* argv_[2] = {name_, nullptr};
    QGuiApplication gui_{argc_, argv_};
};
