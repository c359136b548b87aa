#pragma once

#include <QObject>
#include <QString>
#include <filesystem>
#include <functional>

class QUrl;
class QWidget;

// "Publish as web site…": the open database's statistics as a static web site in a folder the
// user picks, behind a progress dialog that can stop it, and at the end the site in the browser.
class SitePublishing : public QObject {
    Q_OBJECT

  public:
    explicit SitePublishing(QWidget& window);

    // Asks for the folder and writes the site; how it went is told in a message and as status.
    void Publish();

    // The folder the user picks, starting at start; empty when he cancels. Tests answer it.
    using FolderQuestion = std::function<QString(QWidget& window, const QString& start)>;
    void SetFolderQuestion(FolderQuestion ask) { mAskFolder = std::move(ask); }
    // Shows the address in a browser; false when none could be started. Tests answer it.
    using UrlOpener = std::function<bool(const QUrl& url)>;
    void SetUrlOpener(UrlOpener open) { mOpenUrl = std::move(open); }

  signals:
    void statusText(const QString& text);

  private:
    void Write(const std::filesystem::path& dir);
    // whole: no page was left out.
    void ShowWritten(const std::filesystem::path& dir, const QString& summary, bool whole);
    void ShowFailed(const std::filesystem::path& dir, const QString& reason);
    void OpenInBrowser(const QUrl& start);

    QWidget& mWindow;
    FolderQuestion mAskFolder;
    UrlOpener mOpenUrl;
    QString mLastFolder;
    bool mBusy = false;
};

// The folder dialog of publishing, starting at start: a folder typed there that does not exist
// yet is made (a message says why when it cannot be); empty when the user cancels.
QString AskPublishingFolder(QWidget& window, const QString& start);

// Where a site published into the chosen folder goes: the folder itself, unless it holds files
// of its own, which a site must not replace; then a new folder inside it.
std::filesystem::path PublishingFolder(const std::filesystem::path& chosen);
