#include "widgets/QtServices.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QTime>
#include <QWidget>
#include <chrono>
#include <thread>

#include "core/NativeFile.h"

namespace {

class QtServices : public AppServices {
  public:
    double timeOfDay() override { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; }

    void sleep(double seconds) override {
        std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
    }

    void processEvents() override { QCoreApplication::processEvents(); }

    void message(MessageIcon icon, const std::string& text, const std::string& title) override {
        message(icon, text, title, std::string());
    }

    void message(MessageIcon icon, const std::string& text, const std::string& title,
                 const std::string& detail) override {
        const auto boxIcon =
            icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::Information;
        QMessageBox box(boxIcon, QString::fromStdString(title), QString::fromStdString(text),
                        QMessageBox::Ok);
        box.setTextFormat(Qt::PlainText);
        if (!detail.empty()) box.setDetailedText(QString::fromStdString(Printable(detail)));
        box.exec();
    }

    std::string locateDb() override { return LocateDb(nullptr); }

    void showMainWindow(QWidget& window) override { window.show(); }
};

}  // namespace

std::shared_ptr<AppServices> MakeQtServices() {
    return std::make_shared<QtServices>();
}

std::string LocateDb(QWidget* owner) {
    QFileDialog dialog(owner, QStringLiteral("Please locate the db"), QDir::currentPath(),
                       QStringLiteral("Mdb files (*.mdb)"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return PathFromQt(QDir::toNativeSeparators(dialog.selectedFiles().constFirst()));
}
