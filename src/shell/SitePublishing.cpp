#include "shell/SitePublishing.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QUrl>
#include <exception>

#include "core/AppServices.h"
#include "db/Utf8Path.h"
#include "site/Site.h"
#include "site/SiteFolder.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kInnerFolder = "vpa-site";
// Between two looks at the window's events while pages are written: often enough for the
// Cancel button, seldom enough to cost the writing nothing.
constexpr int kEventsMilliseconds = 50;

QString PathText(const fs::path& path) {
    return QDir::toNativeSeparators(QString::fromStdString(Utf8Text(path)));
}

// A folder dialog that makes a folder typed into it rather than refusing it as not found. The
// widget dialog, since a native one refuses before the program hears of it.
class MakingFolderDialog : public QFileDialog {
  public:
    MakingFolderDialog(QWidget& parent, const QString& start)
        : QFileDialog(&parent, QStringLiteral("Publish as web site"), start) {
        setObjectName(QStringLiteral("dlgPublishFolder"));
        setFileMode(QFileDialog::Directory);
        setOptions(QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    }
    void accept() override {
        const QString folder = selectedFiles().value(0);
        if (!folder.isEmpty() && !QFileInfo::exists(folder) && !QDir().mkpath(folder)) {
            QMessageBox::warning(this, windowTitle(),
                                 QStringLiteral("The folder %1 could not be made.")
                                     .arg(QDir::toNativeSeparators(folder)));
            return;
        }
        QFileDialog::accept();
    }
};

// The busy cursor for as long as the site is being written.
class BusyCursor {
  public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::BusyCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

// The progress dialog's bar follows the pages; false once the user has pressed Cancel.
SiteProgress FollowProgress(QProgressDialog& dialog) {
    auto since = std::make_shared<QElapsedTimer>();
    since->start();
    return [&dialog, since](std::size_t written, std::size_t total) {
        if (written == total || since->elapsed() >= kEventsMilliseconds) {
            dialog.setMaximum(static_cast<int>(std::min<std::size_t>(total, INT_MAX)));
            dialog.setValue(static_cast<int>(std::min<std::size_t>(written, INT_MAX)));
            dialog.setLabelText(QStringLiteral("Writing the web site: %1 of %2 pages")
                                    .arg(QLocale().toString(qulonglong(written)),
                                         QLocale().toString(qulonglong(total))));
            QApplication::processEvents();
            since->restart();
        }
        return !dialog.wasCanceled();
    };
}

QString Summary(const SiteSummary& site) {
    const double megabytes = static_cast<double>(site.bytes) / (1024.0 * 1024.0);
    return QStringLiteral("%1 pages, %2 MB")
        .arg(QLocale().toString(qulonglong(site.pages)), QLocale().toString(megabytes, 'f', 1));
}

}  // namespace

QString AskPublishingFolder(QWidget& window, const QString& start) {
    MakingFolderDialog dialog(window, start);
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.selectedFiles().value(0);
}

fs::path PublishingFolder(const fs::path& chosen) {
    if (!HoldsOtherFiles(chosen)) return chosen;
    fs::path inner = chosen / kInnerFolder;
    for (int n = 2; HoldsOtherFiles(inner) || fs::is_symlink(inner); ++n) {
        inner = chosen / (std::string(kInnerFolder) + "-" + std::to_string(n));
    }
    return inner;
}

SitePublishing::SitePublishing(QWidget& window)
    : QObject(&window),
      mWindow(window),
      mAskFolder(AskPublishingFolder),
      mOpenUrl([](const QUrl& url) { return QDesktopServices::openUrl(url); }),
      mLastFolder(QDir::homePath()) {}

void SitePublishing::Publish() {
    if (mBusy) return;
    const QString chosen = mAskFolder(mWindow, mLastFolder);
    if (chosen.isEmpty()) return;
    mLastFolder = chosen;
    mBusy = true;
    Write(PublishingFolder(Utf8Path(chosen.toStdString())));
    mBusy = false;
}

void SitePublishing::Write(const fs::path& dir) {
    QProgressDialog dialog(QStringLiteral("Reading the database…"), QStringLiteral("Cancel"), 0, 0,
                           &mWindow);
    dialog.setObjectName(QStringLiteral("dlgPublishing"));
    dialog.setWindowTitle(QStringLiteral("Publish as web site"));
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setMinimumDuration(0);
    dialog.setAutoReset(false);
    dialog.show();
    QApplication::processEvents();
    const BusyCursor busy;
    try {
        const SiteSummary site = WriteSite(dir, SiteOptions{}, FollowProgress(dialog));
        dialog.hide();
        QString summary = Summary(site);
        for (const std::string& omission : site.omissions) {
            summary +=
                QStringLiteral("\n\nLeft out: ") + QString::fromStdString(Printable(omission));
        }
        ShowWritten(dir, summary, site.omissions.empty());
    } catch (const SiteStopped&) {
        emit statusText(QStringLiteral("Publishing stopped; ") + PathText(dir) +
                        QStringLiteral(" is as it was"));
    } catch (const std::exception& error) {
        dialog.hide();
        ShowFailed(dir, QString::fromStdString(Printable(error.what())));
    }
}

void SitePublishing::ShowWritten(const fs::path& dir, const QString& summary, bool whole) {
    emit statusText(QStringLiteral("Web site written to ") + PathText(dir));
    auto* box = new QMessageBox(
        whole ? QMessageBox::Information : QMessageBox::Warning,
        QStringLiteral("Publish as web site"),
        QStringLiteral("The web site is written to %1:\n%2.").arg(PathText(dir), summary),
        QMessageBox::Close, &mWindow);
    box->setObjectName(QStringLiteral("msgPublished"));
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    QPushButton* open = box->addButton(QStringLiteral("Open in browser"), QMessageBox::AcceptRole);
    open->setObjectName(QStringLiteral("chbOpenSite"));
    box->setDefaultButton(open);
    const QUrl start = QUrl::fromLocalFile(QString::fromStdString(Utf8Text(dir / "index.html")));
    connect(open, &QPushButton::clicked, this, [this, start] { OpenInBrowser(start); });
    box->open();
}

void SitePublishing::OpenInBrowser(const QUrl& start) {
    if (mOpenUrl(start)) return;
    emit statusText(QStringLiteral("No web browser could be started for ") + start.toLocalFile());
    // The address where it can be selected and copied into a browser started by hand.
    auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Publish as web site"),
                                QStringLiteral("No web browser could be started. To see the site, "
                                               "open this address in one:\n\n%1")
                                    .arg(start.toString()),
                                QMessageBox::Close, &mWindow);
    box->setObjectName(QStringLiteral("msgNoBrowser"));
    box->setTextFormat(Qt::PlainText);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void SitePublishing::ShowFailed(const fs::path& dir, const QString& reason) {
    emit statusText(QStringLiteral("The web site could not be written"));
    auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Publish as web site"),
                                QStringLiteral("The web site could not be written to %1:\n%2\n\n"
                                               "The folder is as it was.")
                                    .arg(PathText(dir), reason),
                                QMessageBox::Close, &mWindow);
    box->setObjectName(QStringLiteral("msgPublishFailed"));
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}
