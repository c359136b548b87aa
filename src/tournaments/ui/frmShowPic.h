#pragma once

#include <QDialog>
#include <string>

class QFrame;
class QLabel;
class QLineEdit;
class QScrollBar;

// The diagram viewer: one picture, scrolled by two bars when it is larger than the window. Modal
// over the main window; a fresh window for every opening.
class frmShowPic : public QDialog {
    Q_OBJECT

  public:
    explicit frmShowPic(QWidget* parent = nullptr);

    // Sets the caption and, when a picture file exists at path, shows it; does not show the
    // window.
    void Init(const std::string& path, const std::string& caption);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    // Lays the viewport and the bars out for the window's size and scrolls back to the top left.
    void LayOut();
    void ScrollChange();

    QLineEdit* Text1 = nullptr;
    QFrame* Frame1 = nullptr;
    QLabel* Picture1 = nullptr;
    QScrollBar* HScroll1 = nullptr;
    QScrollBar* VScroll1 = nullptr;
};

// Opens the picture at path in a viewer over owner's window, or, when there is no such file,
// says so naming shownName ("The picture file shownName was not found").
void ShowDiagram(QWidget& owner, const std::string& path, const std::string& caption,
                 const std::string& shownName);
