#pragma once

#include <array>
#include <optional>

#include "widgets/Frame.h"

class Button;
class QCheckBox;
class QLabel;
class QLineEdit;

// The Options frame: the four options, and what the program is.
class OptionsFrame : public Frame {
    Q_OBJECT

  public:
    // Captions, design, layout and navigation picture, for the main window.
    static const FrameDescription& Description();
    OptionsFrame(int index, QWidget* parent);

    void InitControls(FrameInit& init) override;
    // Coming forward shows the options as they stand.
    void Entered() override { LoadOptions(); }
    // F1 and the Help menu show it; the frame has no help button.
    std::string HelpText() const override;

    void LoadOptions();
    // Sets the options from the controls, saves them and tells every frame.
    void ApplyOptions();

  protected:
    // The description of the option under the mouse.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Widgets {
        std::array<QCheckBox*, 4> chkOpt{};
        QLineEdit* txtOptGames = nullptr;
        Button* chbApplyOptions = nullptr;
        QLabel* lblOptInfo = nullptr;
        QFrame* shpOpt = nullptr;
        std::array<QLabel*, 5> lblOpt{};
    } ui;
    // The database the settings name when this run works on another.
    std::optional<StoredDatabase> mStoredDatabase;
};
