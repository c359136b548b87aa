#pragma once

class QWidget;

// The main window's size limits while it is open.
inline constexpr int kMainMinWidth = 600;
inline constexpr int kMainMinHeight = 460;
inline constexpr int kMainMaxWidth = 1600;
inline constexpr int kMainMaxHeight = 1200;

// Keeps the user's resizing of the window within the limits above, grown by the height of a menu
// bar above the client area (which the limits are for).
void HookMinSize(QWidget& window, int menuHeight = 0);
// Lifts the limits again, so the closing animation can shrink the window below them.
void UnhookMinSize(QWidget& window);
