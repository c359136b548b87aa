#pragma once

#include <QWidget>
#include <cstdint>

// The main window. Loading sets its limits, position and title and fills its controls; closing it
// ends the connection and shrinks it away.
class frmMain : public QWidget {
    Q_OBJECT

  public:
    explicit frmMain(QWidget* parent = nullptr);

    // The load handler: run once by start-up, before the window is shown.
    void Load();

    // Fills every grid, list and combo box once, while mInitialised is 0.
    void InitControls();
    // Brings frame mCurrentFrame forward and runs its entry action.
    void ShowFrame();

    // Index of the frame in front: 0 World Rankings ... 7 Fantasy League.
    std::int16_t mCurrentFrame = 0;
    // 0 while controls are being filled and once closing has begun; resizing does nothing then.
    std::int16_t mInitialised = 0;

  protected:
    // The unload handler.
    void closeEvent(QCloseEvent* event) override;

  private:
    void CloseAnimation();
};
