#pragma once

#include <QFrame>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/Settings.h"
#include "core/StoredDatabase.h"
#include "core/ViewTexts.h"
#include "widgets/ControlBuilder.h"
#include "widgets/ControlGeometry.h"

class QPainter;

// What the main window hands every frame while it fills the controls once at loading.
struct FrameInit {
    // The items of the player lists (with countries when the option asks for them), read on the
    // first call; reading them also fills gPlayers.
    std::function<const Texts&()> playerItems;
    // Set when this run works on a database other than the one the settings name: what the
    // settings and the misc cache hold belongs to that one.
    std::optional<StoredDatabase> storedDatabase;
};

// What the main window needs to know of a frame class before and besides its widgets: its
// captions, the indexes of its title label ("lblTitle_i") and help button ("chbPlayerHelp_k";
// neither follows the frame's own index), the design rectangles of its controls, its layout
// rules and its navigation picture. Each frame class gives one as its static Description().
struct FrameDescription {
    // The frame's title (also the navigation button's tooltip) and the navigation button's caption.
    std::string_view title;
    std::string_view caption;
    int titleLabel = 0;
    int helpButton = -1;       // -1: no help button
    bool helpTooltip = false;  // whether the help button says what it does
    void (*design)(DesignBuilder&) = nullptr;
    // Places the frame's controls for the frame's size; run only on the frame in front.
    void (*layout)(ControlGeometry&, const FrameArea&) = nullptr;
    void (*picture)(QPainter&) = nullptr;

    std::string TitleLabelName() const { return ArrayName("lblTitle", titleLabel); }
    // Empty when the frame has no help button.
    std::string HelpButtonName() const {
        return helpButton < 0 ? std::string() : ArrayName("chbPlayerHelp", helpButton);
    }
};

// One frame of the main window (the widget "fraFrame_i"): it owns its controls and its state,
// and asks for anything outside itself by a signal the window wires.
class Frame : public QFrame {
    Q_OBJECT

  public:
    Frame(int index, QWidget* parent);

    int index() const { return mIndex; }
    // Every named control on the frame, by object name.
    const NamedControls& Controls() const { return mControls; }

    // Fills the frame's grids, lists and combo boxes once, while the window loads.
    virtual void InitControls(FrameInit& init) = 0;
    // The entry action, run each time the frame is brought forward.
    virtual void Entered() {}
    // The options were applied: before is what they were, the option globals what they are.
    virtual void OptionsChanged(const OptionValues& before) { (void)before; }
    // What the frame's help button shows; it may follow the options and the frame's state.
    virtual std::string HelpText() const { return {}; }
    // The user asked to stop the calculation behind the wait box; frames without one ignore it.
    virtual void CancelWait() {}
    // The frame that shows players' statistics takes the name, comes forward and shows them;
    // every other frame answers false.
    virtual bool ShowPlayer(const QString& name) {
        (void)name;
        return false;
    }

    // What the user chose on the frame (a player, a tournament), for the frame of a window loaded
    // afresh to choose again; empty when the frame keeps nothing of the kind.
    virtual std::string Chosen() const { return {}; }
    // Chooses it again where it still exists; does nothing otherwise.
    virtual void Choose(const std::string& chosen) { (void)chosen; }

    // The window tells whether it has finished loading and not begun closing; the frame's
    // handlers do nothing until then.
    void SetReadyCheck(std::function<bool()> ready) { mReady = std::move(ready); }

  signals:
    // The statistics of a player are to be shown (on the Player Stats frame).
    void showPlayerRequested(const QString& name);
    // The frame is to come forward; in front already, it is shown afresh.
    void forwardRequested();
    // A text for the window's status line.
    void statusText(const QString& text);
    // The wait box over the window is shown or hidden; its line says how far a long
    // calculation has come.
    void waitShown(bool shown);
    void waitProgress(const QString& text);
    // How far a calculation that can be stopped has come: a bar and a Cancel button on the wait
    // box while total is above 0.
    void waitSteps(int done, int total);
    // The options were applied (by the Options frame); every frame hears of it.
    void optionsApplied(const OptionValues& before);

  protected:
    bool Ready() const { return !mReady || mReady(); }
    ControlBuilder Builder() { return ControlBuilder(mControls); }

  private:
    int mIndex;
    NamedControls mControls;
    std::function<bool()> mReady;
};
