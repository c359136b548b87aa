#include "painting/PrintedPages.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <algorithm>
#include <numeric>

#include "core/QtText.h"
#include "painting/GraphPainting.h"

namespace {

// The site's printed page: 11 pt text, headings a little larger and bold, cells padded.
constexpr double kBodyPoints = 10;
constexpr double kTitlePoints = 16;
constexpr double kHeadingPoints = 11.5;
constexpr double kSmallestTablePoints = 5.5;  // a wide table's text shrinks no further
constexpr double kCellPaddingPoints = 4;
constexpr double kRowPaddingPoints = 1.5;
constexpr double kGapPoints = 9;
constexpr double kHeaderRulePoints = 1.5;
constexpr double kRowRulePoints = 0.4;
constexpr double kPointsPerInch = 72;
constexpr double kPixelsPerInch = 96;  // a picture's pixels and a graph's, as on the screen
const QColor kRowRule(0xaa, 0xaa, 0xaa);

// One cell's text on one line, as the site keeps its cells.
QString CellText(const std::string& text) {
    QString cell = ToQString(text);
    cell.replace(QLatin1Char('\n'), QLatin1Char(' ')).remove(QLatin1Char('\r'));
    return cell;
}

bool IsNumber(const QString& text) {
    static const QRegularExpression number(QStringLiteral("^[-+]?[0-9][0-9.,]*%?$"));
    return number.match(text.trimmed()).hasMatch();
}

// A column right-aligned, as the site sets columns whose every filled cell is a number.
bool IsNumberColumn(const PrintedTable& table, std::size_t column) {
    bool any = false;
    for (std::size_t row = table.header ? 1 : 0; row < table.rows.size(); ++row) {
        if (column >= table.rows[row].size() || table.rows[row][column].empty()) continue;
        if (!IsNumber(CellText(table.rows[row][column]))) return false;
        any = true;
    }
    return any;
}

std::size_t ColumnCount(const Grid& rows) {
    std::size_t columns = 0;
    for (const auto& row : rows) columns = std::max(columns, row.size());
    return columns;
}

// Fills the device's pages from the top down, starting a new page where a block does not fit.
class PageWriter {
  public:
    PageWriter(QPainter& painter, QPagedPaintDevice& device)
        : mPainter(painter),
          mDevice(device),
          mDpi(device.logicalDpiY()),
          mWidth(device.width()),
          mHeight(device.height()) {}

    int pages() const { return mPages; }

    void title(const std::string& text) { textBlock(text, kTitlePoints); }
    void heading(const std::string& text) { textBlock(text, kHeadingPoints); }
    void table(const PrintedTable& table);
    void list(const PrintedList& list);
    void graph(const Graph& graph);
    void picture(const QImage& image);

  private:
    double Points(double points) const { return points * mDpi / kPointsPerInch; }
    QFont Font(double points, bool bold = false) const {
        QFont font;
        font.setPointSizeF(points);
        font.setBold(bold);
        return font;
    }
    // A new page unless this one has height left, or is still empty.
    void room(double height) {
        if (mY > 0 && mY + height > mHeight) newPage();
    }
    void newPage() {
        mDevice.newPage();
        ++mPages;
        mY = 0;
    }
    void gap() { mY += mY > 0 ? Points(kGapPoints) : 0; }
    void textBlock(const std::string& text, double points);
    // A drawing of size (width, height) in pixels of the screen, scaled to the page; returns the
    // scale, the painter placed at its top left.
    double placeDrawing(double width, double height);

    QPainter& mPainter;
    QPagedPaintDevice& mDevice;
    double mDpi;
    double mWidth;
    double mHeight;
    double mY = 0;
    int mPages = 1;
};

void PageWriter::textBlock(const std::string& text, double points) {
    if (text.empty()) return;
    gap();
    const QFont font = Font(points, true);
    const QFontMetricsF metrics(font, &mDevice);
    const QString content = ToQString(text);
    const QRectF bounds =
        metrics.boundingRect(QRectF(0, 0, mWidth, mHeight), Qt::TextWordWrap, content);
    // A heading stays with a line of what follows it.
    room(bounds.height() + QFontMetricsF(Font(kBodyPoints), &mDevice).height() * 2);
    mPainter.setFont(font);
    mPainter.setPen(Qt::black);
    mPainter.drawText(QRectF(0, mY, mWidth, bounds.height()), Qt::TextWordWrap, content);
    mY += bounds.height();
}

void PageWriter::list(const PrintedList& list) {
    if (list.items.empty()) return;
    gap();
    const QFont font = Font(kBodyPoints);
    const QFontMetricsF metrics(font, &mDevice);
    mPainter.setFont(font);
    mPainter.setPen(Qt::black);
    for (const std::string& item : list.items) {
        room(metrics.height());
        const QString line = metrics.elidedText(CellText(item), Qt::ElideRight, mWidth);
        mPainter.drawText(QPointF(0, mY + metrics.ascent()), line);
        mY += metrics.height();
    }
}

// How a table's columns sit across the page.
struct TableForm {
    QFont font;
    QFont headerFont;
    std::vector<double> widths;
    std::vector<bool> numbers;
    double rowHeight = 0;
};

void PageWriter::table(const PrintedTable& table) {
    const std::size_t columns = ColumnCount(table.rows);
    if (columns == 0) return;
    TableForm form;
    for (std::size_t c = 0; c < columns; ++c) form.numbers.push_back(IsNumberColumn(table, c));
    const auto measure = [&](double points) {
        form.font = Font(points);
        form.headerFont = Font(points, true);
        const QFontMetricsF body(form.font, &mDevice), header(form.headerFont, &mDevice);
        form.widths.assign(columns, 0);
        for (std::size_t r = 0; r < table.rows.size(); ++r) {
            const QFontMetricsF& metrics = table.header && r == 0 ? header : body;
            for (std::size_t c = 0; c < table.rows[r].size(); ++c) {
                const double text = metrics.horizontalAdvance(CellText(table.rows[r][c]));
                // A point to spare, lest rounding cut off the widest text.
                form.widths[c] =
                    std::max(form.widths[c], text + Points(2 * kCellPaddingPoints + 1));
            }
        }
        form.rowHeight = header.height() + 2 * Points(kRowPaddingPoints);
        return std::accumulate(form.widths.begin(), form.widths.end(), 0.0);
    };
    // A table wider than the page gets smaller text, down to a floor; beyond that, its columns
    // are narrowed in proportion and their texts cut off.
    double total = measure(kBodyPoints);
    if (total > mWidth) {
        total = measure(std::max(kSmallestTablePoints, kBodyPoints * mWidth / total));
        if (total > mWidth) {
            for (double& width : form.widths) width *= mWidth / total;
        }
    }

    const auto drawRow = [&](const std::vector<std::string>& row, bool header) {
        mPainter.setFont(header ? form.headerFont : form.font);
        const QFontMetricsF metrics(mPainter.font(), &mDevice);
        const double pad = Points(kCellPaddingPoints);
        double x = 0;
        for (std::size_t c = 0; c < columns; ++c) {
            const QString text = metrics.elidedText(c < row.size() ? CellText(row[c]) : QString(),
                                                    Qt::ElideRight, form.widths[c] - 2 * pad);
            const QRectF cell(x + pad, mY, form.widths[c] - 2 * pad, form.rowHeight);
            int align = Qt::AlignVCenter;
            if (form.numbers[c]) align |= Qt::AlignRight;
            mPainter.drawText(cell, align, text);
            x += form.widths[c];
        }
        const double rule = Points(header ? kHeaderRulePoints : kRowRulePoints);
        mY += form.rowHeight;
        mPainter.fillRect(QRectF(0, mY, x, rule), header ? QColor(Qt::black) : kRowRule);
        mY += rule;
    };
    gap();
    const std::size_t first = table.header ? 1 : 0;
    room(form.rowHeight * (first + 1) * 1.2);
    mPainter.setPen(Qt::black);
    if (table.header) drawRow(table.rows[0], true);
    for (std::size_t r = first; r < table.rows.size(); ++r) {
        if (mY + form.rowHeight * 1.2 > mHeight) {
            newPage();
            if (table.header) drawRow(table.rows[0], true);
        }
        drawRow(table.rows[r], false);
    }
}

double PageWriter::placeDrawing(double width, double height) {
    const double natural = mDpi / kPixelsPerInch;
    const double scale = std::min({natural, mWidth / width, mHeight / height});
    gap();
    room(height * scale);
    mPainter.translate(0, mY);
    mY += height * scale;
    return scale;
}

void PageWriter::graph(const Graph& graph) {
    if (graph.empty() || graph.width <= 0 || graph.height <= 0) return;
    mPainter.save();
    const double scale = placeDrawing(GraphPixels(graph.width), GraphPixels(graph.height));
    mPainter.scale(scale, scale);
    mPainter.setClipRect(QRectF(0, 0, GraphPixels(graph.width), GraphPixels(graph.height)));
    mPainter.setFont(GraphLabelFont(Font(kBodyPoints)));
    PaintGraph(mPainter, graph);
    mPainter.restore();
}

void PageWriter::picture(const QImage& image) {
    if (image.isNull()) return;
    mPainter.save();
    const double scale = placeDrawing(image.width(), image.height());
    mPainter.drawImage(QRectF(0, 0, image.width() * scale, image.height() * scale), image);
    mPainter.restore();
}

}  // namespace

PrintedDocument PrintedView(std::string title, const ViewTexts& view) {
    PrintedDocument document{std::move(title), {}};
    for (const auto& [name, content] : view.controls()) {
        // A window's caption names what it shows better than the view's name.
        if (name.starts_with("frm") && std::holds_alternative<std::string>(content)) {
            document.title = std::get<std::string>(content);
        } else if (const auto* text = std::get_if<std::string>(&content)) {
            if (!text->empty() && *text != document.title) {
                document.blocks.emplace_back(PrintedHeading{*text});
            }
        } else if (const auto* grid = std::get_if<Grid>(&content)) {
            if (!grid->empty()) document.blocks.emplace_back(PrintedTable{*grid});
        } else if (const auto* items = std::get_if<Texts>(&content)) {
            if (!items->empty()) document.blocks.emplace_back(PrintedList{*items});
        } else if (const auto* graph = std::get_if<Graph>(&content)) {
            if (!graph->empty()) document.blocks.emplace_back(*graph);
        }
    }
    return document;
}

int PrintPages(QPainter& painter, QPagedPaintDevice& device, const PrintedDocument& document) {
    PageWriter writer(painter, device);
    writer.title(document.title);
    for (const PrintedBlock& block : document.blocks) {
        std::visit(
            [&writer](const auto& item) {
                using Kind = std::decay_t<decltype(item)>;
                if constexpr (std::is_same_v<Kind, PrintedHeading>) writer.heading(item.text);
                if constexpr (std::is_same_v<Kind, PrintedTable>) writer.table(item);
                if constexpr (std::is_same_v<Kind, PrintedList>) writer.list(item);
                if constexpr (std::is_same_v<Kind, Graph>) writer.graph(item);
                if constexpr (std::is_same_v<Kind, QImage>) writer.picture(item);
            },
            block);
    }
    return writer.pages();
}

QPageLayout PrintedPageLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                       QPageLayout::Millimeter);
}

QByteArray PdfBytes(const PrintedDocument& document) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(PrintedPageLayout());
        writer.setTitle(ToQString(document.title));
        writer.setCreator(QStringLiteral("VPA Stats Analyser"));
        QPainter painter(&writer);
        PrintPages(painter, writer, document);
    }
    return buffer.data();
}
