#pragma once

#include <QObject>
#include <memory>
#include <string>

class frmMain;

// Holds the program's main window and puts a new one in its place when another DUZEDO is opened
// (File > Open, a recent file, a file dropped on the window) or the open one is read again (F5).
// A new window goes through the steps of start-up (the connection, the misc cache's validity, the
// settings' database and signature), so afterwards the program is as if it had been started on
// that file; a file that cannot be opened leaves the open one in place, with the reason shown.
class ProgramWindow : public QObject {
  public:
    explicit ProgramWindow(std::unique_ptr<frmMain> window);
    ~ProgramWindow() override;

    frmMain& window() const { return *mWindow; }

    // Opens path in the place of the open DUZEDO; the settings name it from now on.
    bool Open(const std::string& path);
    // Reads the open DUZEDO again, keeping the frame in front and what the frames show.
    bool Reload();

  private:
    void Wire();
    // Connects to path and loads a window on it; false (the user told why) leaves all as it was.
    bool Replace(const std::string& path, bool reload);

    std::unique_ptr<frmMain> mWindow;
};
