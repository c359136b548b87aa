#pragma once

#include <QImage>

#include "core/ViewTexts.h"

// The diagram pictures as images. Needs the Qt GUI module (fonts and painting) but no
// widgets, so the command-line tool can make them; a QGuiApplication must exist.

// The graph painted on white, 15 twips to the pixel: boxes with a thin border, lines, texts.
QImage DiagramImage(const Graph& graph);
