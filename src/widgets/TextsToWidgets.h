#pragma once

#include <QString>
#include <string>
#include <vector>

#include "core/QtText.h"
#include "core/ViewTexts.h"

class GridControl;
class QComboBox;
class QListWidget;

// Moving the texts of a view (core/ViewTexts.h) into the widgets that show them.

// A tooltip showing text as it stands: Qt would read a text that looks like markup as markup
// (a player named "<img src=...>" would load a file), so it is escaped inside a markup of ours.
QString PlainToolTip(const QString& text);

// The grid gets one row per row of texts, header row included; cells the texts leave out (a
// hidden spare column) are emptied. The column count stays as the window set it.
void ShowGridTexts(GridControl& grid, const Grid& texts);

// A data grid of as many columns as header names, with only its header row, in bold; the
// header's first cell is current.
void ShowGridHeader(GridControl& grid, const std::vector<std::string>& header);

// A label grid: the labels down column 0, an empty value column beside them, no header row.
void ShowGridLabels(GridControl& grid, const Texts& labels);

// The combo box shows exactly these items, none chosen yet.
void ShowComboItems(QComboBox& combo, const Texts& items);
// Appends the items to the list.
void AddListItems(QListWidget& list, const Texts& items);

// The row the user picked; -1 when none is (a current row without selection does not count).
int PickedRow(const QListWidget& list);

// The grid's width less its border and a vertical scroll bar, shown or not: what its columns can
// share without a horizontal scroll bar.
int GridWidthInside(const GridControl& grid);
