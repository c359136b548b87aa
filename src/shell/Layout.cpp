#include "shell/Layout.h"

#include "shell/FrameTable.h"

void LayoutMainWindow(ControlGeometry& g, const WindowInfo& window) {
    if (window.mInitialised == 0 || window.minimised) return;

    const int FW = window.width - 210;
    const int FH = window.height - 1500;
    for (int i = 0; i < FrameCount(); ++i) {
        const FrameDescription& frame = DescriptionOf(i);
        g.Move(ArrayName("fraFrame", i), 60, 780, FW, FH);
        g[frame.TitleLabelName()].width = FW;
        const std::string help = frame.HelpButtonName();
        if (!help.empty()) g.Move(help, FW - g[help].width - 60, 60);
    }
    g.Move("picInfo", FW - g["picInfo"].width, 780);
    g.Move("picResize", window.width - g["picResize"].width - 120, 0);
    g.SetVisible("picResize", !window.maximised);

    if (window.mCurrentFrame < 0 || window.mCurrentFrame >= FrameCount()) return;
    const FrameDescription& front = DescriptionOf(window.mCurrentFrame);
    front.layout(g, {.width = FW,
                     .height = FH,
                     .helpButton = front.HelpButtonName(),
                     .textHeight = window.textHeight});
}
