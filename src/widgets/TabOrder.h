#pragma once

#include <QRect>
#include <cstddef>
#include <vector>

class QWidget;

// The order in which the rectangles are read: rows top to bottom and, within a row, columns left
// to right, found by cutting the area along the gaps that no rectangle spans, as a page set in
// columns is read. Rectangles that overlap without any such gap go top to bottom, then left to
// right. The answer holds the rectangles' indexes.
std::vector<std::size_t> ReadingOrder(const std::vector<QRect>& rects);

// The controls inside container that Tab stops at (shown ones, disabled ones included), in
// reading order of where they stand now. A panel holding such controls is read as one block,
// its own controls in reading order in turn.
std::vector<QWidget*> TabStops(const QWidget& container);

// Makes Tab go from each widget to the next one in the list.
void ChainTabOrder(const std::vector<QWidget*>& widgets);
