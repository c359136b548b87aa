#pragma once

#include <QFont>

#include "core/ViewTexts.h"

class QPainter;

// The small font a graph's labels are drawn in, made from the surface's font: vertical labels put
// a character every 10 pixels, and a month's two labels sit 9 pixels apart, so the characters
// must stay within that.
QFont GraphLabelFont(QFont base);

// A graph's twips in pixels, unrounded, where painting places them.
double GraphPixels(int twips);

// Draws a graph whose coordinates are twips of the picture onto a painter working in pixels:
// boxes, then lines, circles and texts. Line widths are pixels, as the picture box counts them.
void PaintGraph(QPainter& painter, const Graph& graph);
