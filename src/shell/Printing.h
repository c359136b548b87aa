#pragma once

#include <QObject>
#include <string>

#include "painting/PrintedPages.h"

class QAction;
class QWidget;
class frmMain;

// "Print…" (Ctrl+P, mnuPrint) and "Export as PDF…" (mnuExportPdf): the pages of the window in
// front, a window the frames opened when one is open, else the frame in front of the main window.
// Print shows them in a preview (dlgPrintPreview), from which they go to a printer; the export
// writes the same pages to a PDF file the user names. The actions work in the main window and in
// every window opened over it.
class WindowPrinting : public QObject {
    Q_OBJECT

  public:
    explicit WindowPrinting(frmMain& window);

    QAction* printAction() const { return mPrint; }
    QAction* exportPdfAction() const { return mExportPdf; }

    void Print();
    void ExportPdf();

  protected:
    // Gives each window opened over the main window the two actions, so their keys work there.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The window in front: the one the dialogs belong to, and its pages.
    QWidget& FrontWindow() const;
    PrintedDocument FrontDocument() const;

    frmMain& mWindow;
    QAction* mPrint = nullptr;
    QAction* mExportPdf = nullptr;
};

// What root shows, as printed under title: its named labels (with the choice of the box each one
// labels), grids, lists, graphs and pictures that are in sight, in reading order.
PrintedDocument PrintedWidgets(const QWidget& root, const std::string& title);
