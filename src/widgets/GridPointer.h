#pragma once

class GridControl;

// What the mouse does on a grid besides choosing cells: resting on a cell whose text is cut off
// shows the whole text as a tool tip, and dragging a column's right border in the header row
// widens or narrows the column. A widened column keeps its width until a layout rule of the
// window sets the widths again. The hooks belong to the grid.
void AddGridPointerHelp(GridControl& grid);
