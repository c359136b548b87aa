#pragma once

#include <QIcon>
#include <QPushButton>
#include <string>
#include <string_view>

// The push button of every frame: a caption with an optional picture beside it, a tooltip, the
// enabled state and Qt's clicked signal. A button too narrow for picture and caption side by side
// shows the picture above the caption instead. Enter presses a button that has the focus, as Space
// does.
class Button : public QPushButton {
    Q_OBJECT

  public:
    explicit Button(QWidget* parent = nullptr) : Button({}, parent) {}
    Button(std::string_view caption, QWidget* parent);

    std::string caption() const { return text().toStdString(); }
    void setCaption(std::string_view caption);
    void setPicture(const QIcon& picture);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};
