#pragma once

#include <array>
#include <map>
#include <string>
#include <vector>

#include "widgets/ControlBuilder.h"

class Button;
class Frame;
class QFrame;
class QLabel;
class QLineEdit;
class QProgressBar;
class QWidget;
class ResizeGrip;
class StatusLine;

// The main window's own controls under their names; members of a control array sit at their
// index (chbBar[3] is the widget named "chbBar_3"). The frames hold the rest. Widgets are owned
// by the window.
struct MainControls {
    QFrame* Picture1 = nullptr;  // navigation bar
    std::vector<Button*> chbBar;
    std::vector<QFrame*> fraFrame;
    std::vector<QLabel*> lblTitle;
    std::vector<Button*> chbPlayerHelp;
    QFrame* picInfo = nullptr;
    std::array<QLabel*, 2> lblInfo{};
    StatusLine* picStatus = nullptr;
    ResizeGrip* picResize = nullptr;
    QFrame* fraWait = nullptr;
    QLineEdit* txtWait = nullptr;
    // Shown only for a calculation that can be stopped.
    QProgressBar* prgWait = nullptr;
    Button* chbWaitCancel = nullptr;
    QLabel* Label1 = nullptr;

    // Every control of the window and of its frames by its object name.
    NamedControls byName;
};

// Builds the window's own controls around the frames (frames[i] is "fraFrame_i"), puts every
// control at its design place for an 800 x 600 window and hides the frames and panels.
MainControls BuildMainControls(QWidget& window, const std::vector<Frame*>& frames);

// Docks the navigation bar along the top and the status line along the bottom of a client area
// of the given size (twips).
// The wait box's bar and Cancel button follow the frames' waitSteps; Cancel goes to them all.
void ConnectWaitSteps(MainControls& ui, const std::vector<Frame*>& frames);
void DockBars(MainControls& ui, int clientWidth, int clientHeight);
