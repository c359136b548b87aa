#pragma once

// Answering the program's save dialogs, as the user would.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QTimer>

// Answers the save dialog that opens next with path, from inside its event loop; an empty path
// cancels it.
inline void AnswerSaveDialog(const QString& path) {
    QTimer::singleShot(0, [path] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_TRUE(dialog->testOption(QFileDialog::DontUseNativeDialog));
        if (path.isEmpty()) {
            dialog->reject();
            return;
        }
        dialog->selectFile(path);
        static_cast<QDialog*>(dialog)->accept();  // QFileDialog::accept, as its button calls it
    });
}
