#include "widgets/ControlBuilder.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QListWidget>

#include "widgets/Button.h"
#include "widgets/CopyExport.h"
#include "widgets/Grid.h"

namespace {

const char* const kHeadingStyle =
    "QLabel { background: #34558b; color: white; font-weight: bold; padding-left: 4px; }";

}  // namespace

std::string ArrayName(const std::string& base, int index) {
    return base + "_" + std::to_string(index);
}

void ControlBuilder::Record(QWidget& widget, const std::string& name) {
    widget.setObjectName(QString::fromStdString(name));
    controls_[name] = &widget;
}

QLabel* ControlBuilder::Label(QWidget* parent, const std::string& name, const char* text) {
    auto* label = Make<QLabel>(parent, name);
    // Database texts reach labels too: never read as markup.
    label->setTextFormat(Qt::PlainText);
    label->setText(QString::fromUtf8(text));
    return label;
}

QLabel* ControlBuilder::Heading(QWidget* parent, const std::string& name, const char* text) {
    QLabel* label = Label(parent, name, text);
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet(QString::fromUtf8(kHeadingStyle));
    return label;
}

Button* ControlBuilder::Btn(QWidget* parent, const std::string& name, const char* caption,
                            const char* tip) {
    auto* button = Make<Button>(parent, name);
    button->setCaption(caption);
    if (tip) button->setToolTip(QString::fromUtf8(tip));
    return button;
}

GridControl* ControlBuilder::Grid(QWidget* parent, const std::string& name) {
    return Make<GridControl>(parent, name);
}

QFrame* ControlBuilder::Panel(QWidget* parent, const std::string& name) {
    auto* frame = Make<QFrame>(parent, name);
    frame->setFrameStyle(QFrame::StyledPanel | QFrame::Plain);
    frame->setAutoFillBackground(true);
    return frame;
}

QFrame* ControlBuilder::Shape(QWidget* parent, const std::string& name) {
    auto* shape = Make<QFrame>(parent, name);
    shape->setFrameStyle(QFrame::Box | QFrame::Plain);
    return shape;
}

QComboBox* ControlBuilder::Combo(QWidget* parent, const std::string& name) {
    return Make<QComboBox>(parent, name);
}

QListWidget* ControlBuilder::List(QWidget* parent, const std::string& name) {
    auto* list = Make<QListWidget>(parent, name);
    AddListCopying(*list);
    return list;
}
