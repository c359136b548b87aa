#pragma once

#include <QImage>
#include <QPageLayout>
#include <string>
#include <variant>
#include <vector>

#include "core/ViewTexts.h"

class QPagedPaintDevice;
class QPainter;

// What a printed view shows, top to bottom: the pages of a frame, a window or a report, laid out
// in the web site's printed forms (black on white, headings, tables with a ruled header row).

struct PrintedTable {
    Grid rows;
    bool header = true;  // row 0 is a header row, repeated at the top of every page
};

// A label or caption, printed as a heading of what follows it.
struct PrintedHeading {
    std::string text;
};

// A list's items, a line each.
struct PrintedList {
    Texts items;
};

using PrintedBlock = std::variant<PrintedHeading, PrintedTable, PrintedList, Graph, QImage>;

struct PrintedDocument {
    std::string title;
    std::vector<PrintedBlock> blocks;
};

// A view's texts as printed under title (or its window's caption, where it has one): its labels
// as headings, its grids, lists and graphs; combo boxes, buttons and the like are controls, not
// content, and are left out.
PrintedDocument PrintedView(std::string title, const ViewTexts& view);

// Lays the document out on pages of the device, which painter is already painting on (a
// QPrinter's or a QPdfWriter's): every table whole, its header row repeated on each page it runs
// onto; graphs as vectors and pictures scaled down to the page where they are wider. Texts stay
// texts. Returns the number of pages.
int PrintPages(QPainter& painter, QPagedPaintDevice& device, const PrintedDocument& document);

// The pages' form: A4 upright, margins of 15 mm.
QPageLayout PrintedPageLayout();

// The document as a PDF file's bytes, on pages of PrintedPageLayout().
QByteArray PdfBytes(const PrintedDocument& document);
