// The dialog that asks for the database file.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QTimer>

#include "widgets/QtServices.h"

namespace {

TEST(LocateDb, OffersTheAccessFileFirstThenTheSqliteCopyAndAnyFile) {
    QStringList filters;
    QTimer::singleShot(0, [&filters] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        filters = dialog->nameFilters();
        dialog->reject();
    });
    EXPECT_EQ(LocateDb(nullptr), "");
    EXPECT_EQ(filters.join(";;").toStdString(),
              "Mdb files (*.mdb);;SQLite files (*.sqlite *.db);;All files (*)");
}

}  // namespace
