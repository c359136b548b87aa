#pragma once

#include <QWidget>

class QLabel;

// Shown while the program starts: a drawn pitch with the program's name, two credit lines and the
// version (the labels Label1_0 to Label1_2).
class frmSplash : public QWidget {
    Q_OBJECT

  public:
    explicit frmSplash(QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QLabel* AddLabel(int index, const QString& text, const QRect& where, Qt::Alignment align);
};
