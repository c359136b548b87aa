#pragma once

#include <QString>
#include <functional>
#include <string>

#include "core/ViewTexts.h"

class QByteArray;
class QListWidget;
class QMenu;
class QWidget;

// Taking texts and pictures out of the program: the clipboard, and files the user names.

// Puts the cells on the clipboard as tab-separated lines, without a line break after the last;
// an empty selection leaves the clipboard as it was.
void CopyCells(const Grid& cells);

// The text as a file name: characters no file name may hold become '_'.
QString FileNameOf(const QString& text);

// A file name for what a control shows: its name without the kind prefix ("grdRankings" gives
// "Rankings"), or fallback for a control without a name.
QString SuggestedFileName(const QWidget& control, const char* fallback);

// The name of a new file to write, from a save dialog over owner (Qt's own dialog, the same on
// every desktop); empty when the user cancels. suffix is added when the name has none.
QString AskSavePath(QWidget& owner, const QString& title, const QString& suggestedName,
                    const QString& filter, const QString& suffix);

// Writes the bytes as the whole file, through a temporary file, so that a failed write leaves
// any earlier file whole. false with the reason when it fails.
bool WriteWholeFile(const QString& path, const QByteArray& bytes, QString& reason);

// Asks where to, then writes the cells there as CSV (UTF-8, a line break of CR LF after each
// row). A write that fails is told in a message.
void ExportCsv(QWidget& owner, const Grid& cells, const QString& suggestedName);

// Runs an action of the user's, telling any failure inside it in a message instead of letting it
// leave the event handler.
void RunGuarded(const std::function<void()>& action);

// The context menu of a grid or list: "Copy", copyAllText and "Export as CSV…", named prefix
// (mnuGrid) with actions prefix + "Copy", "CopyAll" and "Export". Owned by owner.
QMenu* MakeCopyMenu(QWidget& owner, const QString& prefix, const QString& copyAllText,
                    std::function<void()> copy, std::function<void()> copyAll,
                    std::function<void()> exportCsv);

// A list's lines: the selected ones (the current one when none is selected), or all of them;
// each line a row of one cell.
Grid ListLines(const QListWidget& list, bool all);
// Ctrl+C on the list copies its selected lines; its context menu (mnuList) offers "Copy",
// "Copy all" and "Export as CSV…".
void AddListCopying(QListWidget& list);
