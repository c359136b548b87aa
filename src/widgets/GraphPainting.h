#pragma once

#include "core/ViewTexts.h"

class QPainter;

// A graph's twips in pixels, unrounded, where painting places them.
double GraphPixels(int twips);

// Draws a graph whose coordinates are twips of the picture onto a painter working in pixels:
// boxes, then lines, circles and texts. Line widths are pixels, as the picture box counts them.
void PaintGraph(QPainter& painter, const Graph& graph);
