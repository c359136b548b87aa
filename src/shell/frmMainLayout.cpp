#include <QLabel>
#include <vector>

#include "shell/Layout.h"
#include "shell/StatusLine.h"
#include "shell/frmMain.h"
#include "widgets/Button.h"
#include "widgets/Grid.h"
#include "widgets/ModelGrid.h"
#include "widgets/TabOrder.h"
#include "widgets/TwipsGeometry.h"
#include "widgets/WindowSize.h"

namespace {

// The control's rectangle in twips: the last layout's exact value while the widget still sits
// there, else wherever other code has put it since.
TwipsRect Current(const ControlGeometry& last, const std::string& name, const QWidget& widget) {
    if (last.Has(name) && ToPixels(last[name]) == widget.geometry()) return last[name];
    return ToTwips(widget.geometry());
}

// Height of a word-wrapped label's text in the label's font at the width it will be given.
int TextHeight(const QWidget& widget, const TwipsRect& rect) {
    const auto* label = qobject_cast<const QLabel*>(&widget);
    const int pixels = label ? label->heightForWidth(ToPixels(rect).width()) : -1;
    return pixels < 0 ? rect.height : PixelsToTwips(pixels);
}

}  // namespace

void frmMain::Layout() {
    if (mInitialised == 0 || isMinimized()) return;
    ControlGeometry g;
    for (const auto& [name, widget] : ui.byName) {
        g.Set(name, mGeometry ? Current(*mGeometry, name, *widget) : ToTwips(widget->geometry()));
        if (const auto* grid = qobject_cast<const GridControl*>(widget)) {
            g.SetRowHeight(name, grid->rowHeightTwips(0));
        }
    }
    LayoutMainWindow(g, {.width = OuterWidth(),
                         .height = OuterHeight(),
                         .minimised = isMinimized(),
                         .maximised = isMaximized(),
                         .mCurrentFrame = mCurrentFrame,
                         .mInitialised = mInitialised,
                         .textHeight = [this](const std::string& name, const TwipsRect& rect) {
                             return TextHeight(*ui.byName.at(name), rect);
                         }});
    for (const auto& [name, rect] : g.Rects()) {
        QWidget* widget = ui.byName.at(name);
        const QRect pixels = ToPixels(rect);
        if (widget->geometry() != pixels) widget->setGeometry(pixels);
    }
    for (const auto& [name, widths] : g.AllColumns()) {
        SetGridColumnWidths(*ui.byName.at(name), widths);
    }
    ui.picResize->setVisible(g.Visible("picResize"));
    ui.picResize->update();
    mGeometry = std::make_shared<const ControlGeometry>(std::move(g));
    mLaidOutSize = OuterSize(*this);
    ChainTabStops();
}

void frmMain::ChainTabStops() {
    // The navigation bar, then the frame in front as it is laid out now.
    std::vector<QWidget*> stops(ui.chbBar.begin(), ui.chbBar.end());
    const std::vector<QWidget*> frame = TabStops(*ui.fraFrame[mCurrentFrame]);
    stops.insert(stops.end(), frame.begin(), frame.end());
    ChainTabOrder(stops);
}
