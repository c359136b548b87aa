// The program's message boxes as the user meets them.

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "widgets/QtServices.h"

namespace {

// A splash screen stays above other windows: while a message is up it must not cover it.
TEST(MessageBox, SplashStepsAsideWhileAMessageIsRead) {
    QWidget splash(nullptr, Qt::SplashScreen);
    splash.show();
    bool splashShownDuringMessage = true;
    QString text;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        splashShownDuringMessage = splash.isVisible();
        text = box->text();
        box->accept();
    });
    MakeQtServices()->message(MessageIcon::Critical, "<b>cannot</b> open", "Critical error!", "");
    EXPECT_FALSE(splashShownDuringMessage);
    EXPECT_EQ(text, "<b>cannot</b> open");
    EXPECT_TRUE(splash.isVisible());
}

}  // namespace
