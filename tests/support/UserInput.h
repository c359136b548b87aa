#pragma once

// Working windows and their controls as the user does, and reading what they show: keys, clicks,
// the save dialog answered, the points of a graph pointed at, tooltips.

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QTimer>
#include <QToolTip>
#include <QWheelEvent>
#include <functional>

#include "core/QtText.h"
#include "core/Twips.h"
#include "core/ViewTexts.h"
#include "widgets/GraphPicture.h"
#include "widgets/Grid.h"

// The mouse at a point of target, its left button held but for a release: a move drags, unless
// held is NoButton.
inline void SendMouse(QWidget* target, QEvent::Type type, QPoint at,
                      Qt::MouseButtons held = Qt::LeftButton,
                      Qt::KeyboardModifiers modifiers = {}) {
    QMouseEvent event(type, QPointF(at), target->mapToGlobal(QPointF(at)),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : held, modifiers);
    QApplication::sendEvent(target, &event);
}

// A wheel turned by notches towards the user at a point of target.
inline void Wheel(QWidget& target, QPoint at, int notches, Qt::KeyboardModifiers modifiers = {}) {
    QWheelEvent event(QPointF(at), target.mapToGlobal(QPointF(at)), QPoint(),
                      QPoint(0, -120 * notches), Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&target, &event);
}

// Return pressed in target, as the keyboard sends it.
inline void PressEnter(QWidget& target) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(&target, &press);
}

// Types text into box as the keyboard does, replacing what it holds; unlike setText, this is an
// edit by the user.
inline void TypeText(QLineEdit& box, const QString& text) {
    box.selectAll();
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(&box, &press);
    }
}

// A click, or a double-click, on a row of a list or grid, as the mouse makes them.
inline void ClickRow(QAbstractItemView& view, int row, bool twice = false) {
    view.scrollTo(view.model()->index(row, 0));
    const QPoint at = view.visualRect(view.model()->index(row, 0)).center();
    for (int click = 0; click < (twice ? 2 : 1); ++click) {
        SendMouse(view.viewport(), click ? QEvent::MouseButtonDblClick : QEvent::MouseButtonPress,
                  at);
        SendMouse(view.viewport(), QEvent::MouseButtonRelease, at);
    }
}

inline Texts Items(const QListWidget& list) {
    Texts items;
    for (int row = 0; row < list.count(); ++row) items.push_back(ToUtf8(list.item(row)->text()));
    return items;
}

// The texts of the grid's first columns, all of them by default.
inline Grid CellTexts(const GridControl& grid, int columns = -1) {
    Grid texts;
    const int shown = columns < 0 ? grid.cols() : columns;
    for (int row = 0; row < grid.rows(); ++row) {
        texts.emplace_back();
        for (int col = 0; col < shown; ++col) texts.back().push_back(grid.textMatrix(row, col));
    }
    return texts;
}

// Runs inspect on the modal window that owner opens next, from inside its event loop, then
// closes it.
inline void WhenModal(QWidget& owner, std::function<void(QDialog&)> inspect) {
    QTimer::singleShot(0, &owner, [&owner, inspect] {
        auto* dialog = owner.findChild<QDialog*>();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(QApplication::activeModalWidget(), dialog);
        EXPECT_EQ(dialog->parentWidget(), &owner);
        inspect(*dialog);
        dialog->reject();
    });
}

// Answers the save dialog that opens next with path, from inside its event loop; an empty path
// cancels it.
inline void AnswerSaveDialog(const QString& path) {
    QTimer::singleShot(0, [path] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_TRUE(dialog->testOption(QFileDialog::DontUseNativeDialog));
        if (path.isEmpty()) {
            dialog->reject();
            return;
        }
        dialog->selectFile(path);
        static_cast<QDialog*>(dialog)->accept();  // QFileDialog::accept, as its button calls it
    });
}

// Where a point of a graph picture is drawn.
inline QPoint PlaceOf(const GraphSpot& spot) {
    return {TwipsToPixels(spot.x), TwipsToPixels(spot.y)};
}

// The tooltip a widget (a picture, a grid's viewport) shows when the mouse rests at a place; empty
// when none.
inline QString TipAt(QWidget& picture, QPoint at) {
    // Qt hides a tip only after a while: the one shown before goes at once.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->inherits("QTipLabel")) window->hide();
    }
    QHelpEvent help(QEvent::ToolTip, at, picture.mapToGlobal(at));
    QApplication::sendEvent(&picture, &help);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}
