#pragma once

#include <QImage>
#include <string>
#include <vector>

#include "core/ViewTexts.h"

// The diagram pictures as image files. Needs the Qt GUI module (fonts and painting) but no
// widgets, so the command-line tool can make them; a QGuiApplication must exist.

// The graph painted on white, 15 twips to the pixel: boxes with a thin border, lines, texts.
QImage DiagramImage(const Graph& graph);

// Writes the nine diagram pictures of the connected database into dir (made when missing) as
// bitmap files; returns their paths. Throws std::runtime_error when a file cannot be written.
std::vector<std::string> WriteDiagramPictures(const std::string& dir);
