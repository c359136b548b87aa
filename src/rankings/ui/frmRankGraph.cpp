#include "rankings/ui/frmRankGraph.h"

#include <QLabel>
#include <QVBoxLayout>

#include "core/QtText.h"
#include "core/Twips.h"
#include "rankings/RankingProgress.h"
#include "widgets/GraphPicture.h"
#include "widgets/ScreenPlacement.h"

frmRankGraph::frmRankGraph(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmRankGraph"));
    setFont(parent != nullptr ? parent->font() : font());
    setWindowTitle(QStringLiteral("Ranking Progress"));

    Label1 = new QLabel(this);
    Label1->setTextFormat(Qt::PlainText);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont heading = Label1->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.25);
    Label1->setFont(heading);

    picGraph = new GraphPicture(kGraphWindowPicture, this);
    picGraph->setObjectName(QStringLiteral("picGraph"));
    picGraph->setMinimumSize(TwipsToPixels(kGraphWindowMinimum.width()),
                             TwipsToPixels(kGraphWindowMinimum.height()));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(picGraph, 1);
    resize(sizeHint());

    connect(picGraph, &GraphPicture::resized, this, [this] {
        if (!mPlayer.empty()) DrawGraph();
    });
}

void frmRankGraph::Init(const std::string& player) {
    CentreOnScreen(*this);
    layout()->activate();
    mPlayer = player;
    picGraph->setPictureName(ToQString(player + " ranking progress"));
    DrawGraph();
}

void frmRankGraph::DrawGraph() {
    const ViewTexts view = ProgressView(mPlayer, picGraph->widthTwips(), picGraph->heightTwips());
    Label1->setText(ToQString(view.text("Label1")));
    picGraph->setGraph(view.graph("picGraph"), view.text("lblNote"));
    // A drawing shows no note of its own: what it leaves out is said on hovering.
    picGraph->setToolTip(view.graph("picGraph").empty() ? QString()
                                                        : ToQString(view.text("lblNote")));
}
