#pragma once

#include <vector>

class QAction;
class QMenuBar;
class frmMain;

// The main window's menu bar: File (open, recent files, reload, publish, quit), View (the frames
// by their keys) and Help (the frame's help, the user guide, about). It sits above the window's
// client area, which the layout works in, so it moves none of the window's controls.
// output: the window's commands that write what it shows (publish, print, export), for File.
QMenuBar* BuildMainMenu(frmMain& window, const std::vector<QAction*>& output);
