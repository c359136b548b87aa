#pragma once

#include <map>
#include <string>

class Button;
class GridControl;
class QComboBox;
class QFrame;
class QLabel;
class QListWidget;
class QWidget;

// Named controls by their object name; a control array's members are "name_index".
using NamedControls = std::map<std::string, QWidget*>;

// "name_index": the object name of a control array's member.
std::string ArrayName(const std::string& base, int index);

// Creates controls with their object names and the look the window gives each kind, and records
// them by name. Places and sizes are the window's business.
class ControlBuilder {
  public:
    explicit ControlBuilder(NamedControls& controls) : controls_(controls) {}

    template <typename W>
    W* Make(QWidget* parent, const std::string& name) {
        auto* widget = new W(parent);
        Record(*widget, name);
        return widget;
    }

    QLabel* Label(QWidget* parent, const std::string& name, const char* text = "");
    // The caption bar across the top of a sub-frame.
    QLabel* Heading(QWidget* parent, const std::string& name, const char* text);
    Button* Btn(QWidget* parent, const std::string& name, const char* caption,
                const char* tip = nullptr);
    GridControl* Grid(QWidget* parent, const std::string& name);
    QFrame* Panel(QWidget* parent, const std::string& name);
    // A rectangle drawn around other controls; created before them, so it stays behind.
    QFrame* Shape(QWidget* parent, const std::string& name);
    QComboBox* Combo(QWidget* parent, const std::string& name);
    // A list whose lines can be copied and exported (AddListCopying).
    QListWidget* List(QWidget* parent, const std::string& name);

  private:
    void Record(QWidget& widget, const std::string& name);

    NamedControls& controls_;
};
