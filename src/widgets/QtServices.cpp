#include "widgets/QtServices.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QWidget>
#include <vector>

#include "core/NativeFile.h"

namespace {

// The plain services' clock and event loop, with message boxes, the file dialog and the window.
class QtServices : public PlainServices {
  public:
    using PlainServices::message;

    void message(MessageIcon icon, const std::string& text, const std::string& title,
                 const std::string& detail) override {
        const auto boxIcon =
            icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::Information;
        // The reason stands under the sentence in the box itself: behind a details button it is
        // the part nobody reads.
        const std::string shown = detail.empty() ? text : text + "\n\n" + Printable(detail);
        QMessageBox box(boxIcon, QString::fromStdString(title), QString::fromStdString(shown),
                        QMessageBox::Ok);
        box.setTextFormat(Qt::PlainText);
        // A splash screen is kept above other windows and would hide the message (or leave it
        // unpainted beneath it): it steps aside while the message is read.
        std::vector<QWidget*> splashes;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->isVisible() && window->windowType() == Qt::SplashScreen) {
                window->hide();
                splashes.push_back(window);
            }
        }
        box.exec();
        for (QWidget* splash : splashes) splash->show();
    }

    std::string locateDb() override { return LocateDb(nullptr); }

    void showMainWindow(QWidget& window) override { window.show(); }
};

}  // namespace

std::shared_ptr<AppServices> MakeQtServices() {
    return std::make_shared<QtServices>();
}

std::string LocateDb(QWidget* owner) {
    // The program opens an SQLite copy of the database as well as the Access file.
    QFileDialog dialog(owner, QStringLiteral("Please locate the db"), QDir::currentPath(),
                       QStringLiteral("Mdb files (*.mdb);;SQLite files (*.sqlite *.db);;"
                                      "All files (*)"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return PathFromQt(QDir::toNativeSeparators(dialog.selectedFiles().constFirst()));
}
