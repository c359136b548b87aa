#include "widgets/CopyExport.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QSaveFile>
#include <exception>

#include "core/AppServices.h"
#include "core/QtText.h"
#include "widgets/EventHook.h"

namespace {

QAction* AddAction(QMenu& menu, const QString& name, const QString& text,
                   std::function<void()> action) {
    QAction* item = menu.addAction(text);
    item->setObjectName(name);
    QObject::connect(item, &QAction::triggered, &menu,
                     [action = std::move(action)] { RunGuarded(action); });
    return item;
}

}  // namespace

void CopyCells(const Grid& cells) {
    if (cells.empty()) return;
    std::string text = ToTsv(cells);
    // A single cell pastes into a text box without a line break of its own.
    if (text.ends_with('\n')) text.pop_back();
    QGuiApplication::clipboard()->setText(ToQString(text));
}

QString FileNameOf(const QString& text) {
    QString name = text;
    for (QChar& c : name) {
        if (c.unicode() < 0x20 || QStringLiteral("/\\:*?\"<>|").contains(c)) c = u'_';
    }
    return name;
}

QString SuggestedFileName(const QWidget& control, const char* fallback) {
    const QString name = control.objectName().mid(3);
    return name.isEmpty() ? QString::fromUtf8(fallback) : FileNameOf(name);
}

QString AskSavePath(QWidget& owner, const QString& title, const QString& suggestedName,
                    const QString& filter, const QString& suffix) {
    QFileDialog dialog(&owner, title, QDir::home().filePath(suggestedName), filter);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

bool WriteWholeFile(const QString& path, const QByteArray& bytes, QString& reason) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        reason = file.errorString();
        return false;
    }
    return true;
}

void ExportCsv(QWidget& owner, const Grid& cells, const QString& suggestedName) {
    const QString path = AskSavePath(owner, QStringLiteral("Export as CSV"), suggestedName,
                                     QStringLiteral("CSV files (*.csv)"), QStringLiteral("csv"));
    if (path.isEmpty()) return;
    const std::string csv = ToCsv(cells, "\r\n");
    QString reason;
    if (!WriteWholeFile(path, QByteArray(csv.data(), static_cast<qsizetype>(csv.size())), reason)) {
        Services().message(MessageIcon::Critical, "The file could not be written.", "Export as CSV",
                           (path + QStringLiteral(": ") + reason).toStdString());
    }
}

void RunGuarded(const std::function<void()>& action) {
    try {
        action();
    } catch (const std::exception& error) {
        ReportProblem("That did not work.", error.what());
    }
}

QMenu* MakeCopyMenu(QWidget& owner, const QString& prefix, const QString& copyAllText,
                    std::function<void()> copy, std::function<void()> copyAll,
                    std::function<void()> exportCsv) {
    auto* menu = new QMenu(&owner);
    menu->setObjectName(prefix);
    QAction* copyItem =
        AddAction(*menu, prefix + QStringLiteral("Copy"), QStringLiteral("Copy"), std::move(copy));
    // Shown in the menu; the control itself answers the key.
    copyItem->setShortcut(QKeySequence::Copy);
    copyItem->setShortcutContext(Qt::WidgetShortcut);
    AddAction(*menu, prefix + QStringLiteral("CopyAll"), copyAllText, std::move(copyAll));
    menu->addSeparator();
    AddAction(*menu, prefix + QStringLiteral("Export"), QStringLiteral("Export as CSV…"),
              std::move(exportCsv));
    return menu;
}

Grid ListLines(const QListWidget& list, bool all) {
    Grid lines;
    for (int row = 0; row < list.count(); ++row) {
        const QListWidgetItem* item = list.item(row);
        if (all || item->isSelected()) lines.push_back({item->text().toStdString()});
    }
    if (lines.empty() && !all && list.currentItem() != nullptr) {
        lines.push_back({list.currentItem()->text().toStdString()});
    }
    return lines;
}

void AddListCopying(QListWidget& list) {
    QMenu* menu = MakeCopyMenu(
        list, QStringLiteral("mnuList"), QStringLiteral("Copy all"),
        [&list] { CopyCells(ListLines(list, false)); },
        [&list] { CopyCells(ListLines(list, true)); },
        [&list] {
            ExportCsv(list, ListLines(list, true), SuggestedFileName(list, "list") + ".csv");
        });
    list.setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(&list, &QWidget::customContextMenuRequested, menu,
                     [&list, menu](QPoint at) { menu->popup(list.viewport()->mapToGlobal(at)); });
    list.installEventFilter(new EventHook(&list, [&list](QObject&, QEvent& event) {
        if (event.type() != QEvent::KeyPress) return false;
        if (!static_cast<QKeyEvent&>(event).matches(QKeySequence::Copy)) return false;
        RunGuarded([&list] { CopyCells(ListLines(list, false)); });
        return true;
    }));
}
