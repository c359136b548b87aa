#pragma once

#include <QImage>
#include <string>
#include <string_view>

#include "core/ViewTexts.h"

class QPaintDevice;

// The diagram pictures as images. Needs the Qt GUI module (fonts and painting) but no
// widgets, so the command-line tool can make them; a QGuiApplication must exist.

// The graph's size in pixels, 15 twips to the pixel, at least 1 x 1.
QSize DiagramSize(const Graph& graph);

// Paints the graph onto device from its top left corner, on white: boxes with a thin border,
// lines, texts. The one drawing of the bitmap pictures and the vector ones.
void PaintDiagram(const Graph& graph, QPaintDevice& device);

QImage DiagramImage(const Graph& graph);

// The same drawing as an SVG document, UTF-8, titled title (plain text; escaped here). Written
// directly, its texts as text, so the pictures need no SVG module of the toolkit.
std::string DiagramSvg(const Graph& graph, std::string_view title);
