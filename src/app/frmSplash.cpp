#include "app/frmSplash.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <cmath>

#include "core/Settings.h"

namespace {

constexpr int kWidth = 480;
constexpr int kHeight = 300;
constexpr int kCreditsTop = 236;  // the darker band that carries the labels

const QColor kLineColour(255, 255, 255, 200);

void DrawGrass(QPainter& p, const QRect& area) {
    QLinearGradient light(area.topLeft(), area.bottomLeft());
    light.setColorAt(0, QColor(58, 140, 62));
    light.setColorAt(1, QColor(30, 96, 40));
    p.fillRect(area, light);
    // Mowing stripes.
    const int stripe = area.width() / 12;
    for (int x = area.left(); x < area.right(); x += 2 * stripe) {
        p.fillRect(QRect(x, area.top(), stripe, area.height()), QColor(0, 0, 0, 22));
    }
}

void DrawPitchLines(QPainter& p, const QRect& pitch) {
    p.setPen(QPen(kLineColour, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(pitch);
    const QPoint centre = pitch.center();
    p.drawLine(centre.x(), pitch.top(), centre.x(), pitch.bottom());
    p.drawEllipse(centre, 44, 44);
    const int boxHeight = pitch.height() * 11 / 20;
    const int boxWidth = pitch.width() / 7;
    const int boxTop = centre.y() - boxHeight / 2;
    p.drawRect(pitch.left(), boxTop, boxWidth, boxHeight);
    p.drawRect(pitch.right() - boxWidth, boxTop, boxWidth, boxHeight);
    p.setBrush(kLineColour);
    p.drawEllipse(centre, 3, 3);
}

void DrawBall(QPainter& p, const QPointF& centre, qreal radius) {
    p.setPen(QPen(QColor(40, 40, 40), 1.5));
    QRadialGradient shine(centre - QPointF(radius / 3, radius / 3), radius * 1.4);
    shine.setColorAt(0, Qt::white);
    shine.setColorAt(1, QColor(200, 200, 200));
    p.setBrush(shine);
    p.drawEllipse(centre, radius, radius);
    // The middle panel and the seams leading out to the neighbouring ones.
    QPolygonF panel;
    const qreal inner = radius * 0.38;
    for (int i = 0; i < 5; ++i) {
        const qreal angle = (-90 + 72 * i) * 3.14159265358979 / 180;
        panel << centre + QPointF(std::cos(angle), std::sin(angle)) * inner;
    }
    p.setBrush(QColor(30, 30, 30));
    p.drawPolygon(panel);
    for (const QPointF& corner : panel) {
        p.drawLine(corner, centre + (corner - centre) * (radius / inner));
    }
}

void DrawTitle(QPainter& p, const QRect& area) {
    QFont title = p.font();
    title.setPointSize(26);
    title.setBold(true);
    p.setFont(title);
    const QString name = QStringLiteral("VPA Stats Analyser");
    p.setPen(QColor(0, 0, 0, 120));
    p.drawText(area.translated(2, 2), Qt::AlignHCenter | Qt::AlignTop, name);
    p.setPen(Qt::white);
    p.drawText(area, Qt::AlignHCenter | Qt::AlignTop, name);

    QFont subtitle = p.font();
    subtitle.setPointSize(11);
    subtitle.setBold(false);
    subtitle.setItalic(true);
    p.setFont(subtitle);
    p.drawText(area.adjusted(0, 46, 0, 0), Qt::AlignHCenter | Qt::AlignTop,
               QStringLiteral("Velmoor Players Association"));
}

}  // namespace

frmSplash::frmSplash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmSplash"));
    setFixedSize(kWidth, kHeight);

    const int textWidth = kWidth - 32;
    AddLabel(0, QStringLiteral("Program by the VPA Stats team"),
             QRect(16, kCreditsTop + 8, textWidth, 18), Qt::AlignLeft);
    AddLabel(1, QStringLiteral("DUZEDO maintained by the VPA records office"),
             QRect(16, kCreditsTop + 28, textWidth, 18), Qt::AlignLeft);
    AddLabel(2, QString::fromStdString(VersionText()), QRect(16, kCreditsTop + 28, textWidth, 18),
             Qt::AlignRight);

    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    move(screen.left() + (screen.width() - width()) / 2,
         screen.top() + (screen.height() - height()) / 2);
}

QLabel* frmSplash::AddLabel(int index, const QString& text, const QRect& where,
                            Qt::Alignment align) {
    auto* label = new QLabel(text, this);
    label->setObjectName(QStringLiteral("Label1_%1").arg(index));
    label->setGeometry(where);
    label->setAlignment(align | Qt::AlignVCenter);
    label->setStyleSheet(QStringLiteral("color: white;"));
    return label;
}

void frmSplash::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRect all = rect();
    DrawGrass(p, all);
    DrawPitchLines(p, all.adjusted(14, 14, -15, -(kHeight - kCreditsTop) - 8));
    DrawBall(p, QPointF(kWidth * 0.72, kCreditsTop - 46.0), 17);
    DrawTitle(p, QRect(0, 46, kWidth, 90));
    p.fillRect(QRect(0, kCreditsTop, kWidth, kHeight - kCreditsTop), QColor(0, 0, 0, 120));
}
