#include "shell/Printing.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTextDocumentFragment>
#include <algorithm>

#include "core/AppServices.h"
#include "core/QtText.h"
#include "shell/FrameTable.h"
#include "shell/frmMain.h"
#include "widgets/CopyExport.h"
#include "widgets/GraphPicture.h"
#include "widgets/Grid.h"
#include "widgets/ModelGrid.h"

namespace {

QString PlainText(const QString& text) {
    return Qt::mightBeRichText(text) ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
}

// A label and the choice in the box it labels: "Month: March 2024".
std::string LabelText(const QLabel& label) {
    QString text = PlainText(label.text()).trimmed();
    if (const auto* combo = qobject_cast<const QComboBox*>(label.buddy())) {
        text += QLatin1Char(' ') + combo->currentText();
    } else if (const auto* box = qobject_cast<const QLineEdit*>(label.buddy())) {
        text += QLatin1Char(' ') + box->text();
    }
    return ToUtf8(text.trimmed());
}

// Where a control lies inside something printed whole (a grid's header, a list's viewport).
bool InsidePrintedControl(const QWidget& control, const QWidget& root) {
    for (const QWidget* w = control.parentWidget(); w != nullptr && w != &root;
         w = w->parentWidget()) {
        if (qobject_cast<const QAbstractItemView*>(w) || qobject_cast<const GraphPicture*>(w)) {
            return true;
        }
    }
    return false;
}

void AddControl(PrintedDocument& document, const QWidget& control) {
    auto& blocks = document.blocks;
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        if (const QPixmap picture = label->pixmap(); !picture.isNull()) {
            blocks.emplace_back(picture.toImage());
        } else if (std::string text = LabelText(*label); !text.empty() && text != document.title) {
            blocks.emplace_back(PrintedHeading{std::move(text)});
        }
    } else if (const auto* grid = qobject_cast<const GridControl*>(&control)) {
        blocks.emplace_back(PrintedTable{grid->allTexts(), grid->fixedRows() > 0});
    } else if (const auto* model = qobject_cast<const ModelGrid*>(&control)) {
        blocks.emplace_back(PrintedTable{model->allTexts()});
    } else if (const auto* list = qobject_cast<const QListWidget*>(&control)) {
        PrintedList printed;
        for (int row = 0; row < list->count(); ++row) {
            printed.items.push_back(ToUtf8(list->item(row)->text()));
        }
        blocks.emplace_back(std::move(printed));
    } else if (const auto* picture = qobject_cast<const GraphPicture*>(&control)) {
        if (!picture->graph().empty()) {
            blocks.emplace_back(picture->graph());
        } else if (!picture->note().empty()) {
            blocks.emplace_back(PrintedHeading{picture->note()});
        }
    }
}

bool IsPrinted(const QWidget& control) {
    return qobject_cast<const QLabel*>(&control) || qobject_cast<const GridControl*>(&control) ||
           qobject_cast<const ModelGrid*>(&control) || qobject_cast<const QListWidget*>(&control) ||
           qobject_cast<const GraphPicture*>(&control);
}

QAction* MakeAction(QWidget& window, const char* name, const QString& text) {
    auto* action = new QAction(text, &window);
    action->setObjectName(QString::fromUtf8(name));
    action->setShortcutContext(Qt::WindowShortcut);
    window.addAction(action);
    return action;
}

constexpr char kPreviewName[] = "dlgPrintPreview";

}  // namespace

PrintedDocument PrintedWidgets(const QWidget& root, const std::string& title) {
    std::vector<const QWidget*> controls;
    for (const QWidget* w : root.findChildren<QWidget*>()) {
        if (!w->objectName().isEmpty() && w->isVisibleTo(&root) && IsPrinted(*w) &&
            !InsidePrintedControl(*w, root)) {
            controls.push_back(w);
        }
    }
    // Reading order: top to bottom, then left to right.
    const auto place = [&root](const QWidget* w) {
        const QPoint at = w->mapTo(&root, QPoint(0, 0));
        return std::pair(at.y(), at.x());
    };
    std::stable_sort(controls.begin(), controls.end(),
                     [&](const QWidget* a, const QWidget* b) { return place(a) < place(b); });
    PrintedDocument document{title, {}};
    for (const QWidget* control : controls) AddControl(document, *control);
    return document;
}

WindowPrinting::WindowPrinting(frmMain& window) : QObject(&window), mWindow(window) {
    setObjectName(QStringLiteral("windowPrinting"));
    mPrint = MakeAction(window, "mnuPrint", QStringLiteral("Print…"));
    mPrint->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    mExportPdf = MakeAction(window, "mnuExportPdf", QStringLiteral("Export as PDF…"));
    connect(mPrint, &QAction::triggered, this, [this] { RunGuarded([this] { Print(); }); });
    connect(mExportPdf, &QAction::triggered, this, [this] { RunGuarded([this] { ExportPdf(); }); });
    window.installEventFilter(this);
}

bool WindowPrinting::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &mWindow && event->type() == QEvent::ChildPolished) {
        // The program's own windows; Qt's dialogs (files, messages, the preview) keep their keys.
        auto* dialog = qobject_cast<QDialog*>(static_cast<QChildEvent*>(event)->child());
        if (dialog != nullptr && !QByteArray(dialog->metaObject()->className()).startsWith('Q')) {
            dialog->addActions({mPrint, mExportPdf});
        }
    }
    return QObject::eventFilter(watched, event);
}

QWidget& WindowPrinting::FrontWindow() const {
    QWidget* modal = QApplication::activeModalWidget();
    for (const QWidget* w = modal; w != nullptr && modal != &mWindow; w = w->parentWidget()) {
        if (w == &mWindow) return *modal;  // a window opened over the main window
    }
    return *mWindow.ui.fraFrame.at(mWindow.mCurrentFrame);
}

PrintedDocument WindowPrinting::FrontDocument() const {
    const QWidget& front = FrontWindow();
    if (front.isWindow()) return PrintedWidgets(front, ToUtf8(front.windowTitle()));
    return PrintedWidgets(front, std::string(DescriptionOf(mWindow.mCurrentFrame).title));
}

void WindowPrinting::Print() {
    const PrintedDocument document = FrontDocument();
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(PrintedPageLayout());
    printer.setDocName(ToQString(document.title));
    QPrintPreviewDialog preview(&printer, FrontWindow().window());
    preview.setObjectName(QLatin1String(kPreviewName));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [&document](QPrinter* pages) {
        QPainter painter(pages);
        PrintPages(painter, *pages, document);
    });
    preview.exec();
}

void WindowPrinting::ExportPdf() {
    const PrintedDocument document = FrontDocument();
    QWidget& owner = *FrontWindow().window();
    const QString path = AskSavePath(owner, QStringLiteral("Export as PDF"),
                                     FileNameOf(ToQString(document.title)) + QStringLiteral(".pdf"),
                                     QStringLiteral("PDF files (*.pdf)"), QStringLiteral("pdf"));
    if (path.isEmpty()) return;
    QString reason;
    if (!WriteWholeFile(path, PdfBytes(document), reason)) {
        Services().message(MessageIcon::Critical, "The file could not be written.", "Export as PDF",
                           ToUtf8(path + QStringLiteral(": ") + reason));
    }
}
