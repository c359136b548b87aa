#pragma once

class QWidget;

// The main window's size limits while it is open.
inline constexpr int kMainMinWidth = 600;
inline constexpr int kMainMinHeight = 460;
inline constexpr int kMainMaxWidth = 1600;
inline constexpr int kMainMaxHeight = 1200;

// Keeps the user's resizing of the window within the limits above.
void HookMinSize(QWidget& window);
// Lifts the limits again, so the closing animation can shrink the window below them.
void UnhookMinSize(QWidget& window);
