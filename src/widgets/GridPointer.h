#pragma once

#include <QString>

class GridControl;
class QFont;
class QHelpEvent;
class QTableView;

// What the mouse does on a grid besides choosing cells: resting on a cell whose text is cut off
// shows the whole text as a tool tip, and dragging a column's right border in the header row
// widens or narrows the column. A widened column keeps its width until a layout rule of the
// window sets the widths again. The hooks belong to the grid.
void AddGridPointerHelp(GridControl& grid);

// Answers a tool-tip request over a cell of view: its whole text (as plain text) when the text,
// written in font, is wider than the cell's column; otherwise no tip. Shared by every kind of grid.
void ShowCutOffTip(QTableView& view, const QHelpEvent& help, const QString& text, const QFont& font,
                   int column);
