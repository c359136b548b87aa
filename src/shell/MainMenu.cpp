#include "shell/MainMenu.h"

#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "core/QtText.h"
#include "core/Settings.h"
#include "shell/FrameTable.h"
#include "shell/WindowMemory.h"
#include "shell/frmMain.h"

namespace {

QAction* AddAction(QMenu& menu, const char* name, const QString& text, const QKeySequence& key) {
    QAction* action = menu.addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(key);
    action->setShortcutContext(Qt::WindowShortcut);
    return action;
}

// The last files opened, read afresh each time the menu opens: another run may have added one.
void FillRecentFiles(QMenu& recent, frmMain& window) {
    recent.clear();
    const WindowMemory memory = ReadWindowMemory(WindowMemoryPath());
    int number = 0;
    for (const std::string& file : memory.recentFiles) {
        const QString path = ToQString(file);
        // A path is shown as written, never taken for an accelerator or markup.
        QString text = QStringLiteral("&%1 %2").arg(++number).arg(QString(path).replace('&', "&&"));
        QAction* action = recent.addAction(text);
        QObject::connect(action, &QAction::triggered, &window,
                         [&window, path] { emit window.openRequested(path); });
    }
    if (number == 0) recent.addAction(QStringLiteral("No files opened yet"))->setEnabled(false);
}

void BuildFileMenu(QMenuBar& bar, frmMain& window, const std::vector<QAction*>& output) {
    QMenu* file = bar.addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QObject::connect(AddAction(*file, "mnuOpen", QStringLiteral("&Open…"), QKeySequence::Open),
                     &QAction::triggered, &window, &frmMain::AskForDuzedo);
    QMenu* recent = file->addMenu(QStringLiteral("Open &Recent"));
    recent->setObjectName(QStringLiteral("mnuRecent"));
    QObject::connect(recent, &QMenu::aboutToShow, recent,
                     [recent, &window] { FillRecentFiles(*recent, window); });
    QObject::connect(AddAction(*file, "mnuReload", QStringLiteral("Re&load"), Qt::Key_F5),
                     &QAction::triggered, &window, &frmMain::reloadRequested);
    file->addSeparator();
    for (QAction* action : output) file->addAction(action);
    file->addSeparator();
    QObject::connect(AddAction(*file, "mnuQuit", QStringLiteral("&Quit"), Qt::CTRL | Qt::Key_Q),
                     &QAction::triggered, &window, &QWidget::close);
}

void BuildViewMenu(QMenuBar& bar, frmMain& window) {
    QMenu* view = bar.addMenu(QStringLiteral("&View"));
    view->setObjectName(QStringLiteral("mnuView"));
    for (int i = 0; i < FrameCount(); ++i) {
        const QString title = ToQString(std::string(DescriptionOf(i).title));
        QAction* frame = AddAction(*view, ArrayName("mnuFrame", i).c_str(), title,
                                   QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_1 + i)));
        QObject::connect(frame, &QAction::triggered, &window,
                         [&window, i] { window.BringForward(i); });
    }
}

// The user guide, as the project writes it, in a window of its own.
void ShowUserGuide(QWidget& owner) {
    QDialog guide(&owner);
    guide.setObjectName(QStringLiteral("frmGuide"));
    guide.setWindowTitle(QStringLiteral("VPA Stats Analyser - user guide"));
    auto* text = new QTextBrowser(&guide);
    text->setObjectName(QStringLiteral("txtGuide"));
    QFile file(QStringLiteral(":/docs/user-guide.md"));
    text->setMarkdown(file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll())
                                                     : QStringLiteral("The guide is missing."));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &guide);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &guide, &QDialog::reject);
    auto* layout = new QVBoxLayout(&guide);
    layout->addWidget(text);
    layout->addWidget(buttons);
    guide.resize(640, 520);
    guide.exec();
}

QString AboutText() {
    return ToQString("VPA Stats Analyser " + VersionText() +
                     "\n\nThe statistics of the Velmoor Players Association's tournament "
                     "database.\n\nBuilt with, and bundled where the program is installed:\n"
                     "Qt 6 (LGPL-3.0), SQLite (public domain), libmdb of mdbtools "
                     "(LGPL-2.0-or-later), CLI11 (BSD-3-Clause), kainjow's mustache (BSL-1.0).");
}

void BuildHelpMenu(QMenuBar& bar, frmMain& window) {
    QMenu* help = bar.addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    QObject::connect(
        AddAction(*help, "mnuFrameHelp", QStringLiteral("&Help on this frame"), Qt::Key_F1),
        &QAction::triggered, &window, &frmMain::ShowHelpOfFrameInFront);
    QObject::connect(AddAction(*help, "mnuGuide", QStringLiteral("&User guide"), {}),
                     &QAction::triggered, &window, [&window] { ShowUserGuide(window); });
    QObject::connect(AddAction(*help, "mnuAbout", QStringLiteral("&About VPA Stats Analyser"), {}),
                     &QAction::triggered, &window, [&window] {
                         QMessageBox about(QMessageBox::Information,
                                           QStringLiteral("About VPA Stats Analyser"), AboutText(),
                                           QMessageBox::Ok, &window);
                         about.setObjectName(QStringLiteral("msgAbout"));
                         about.setTextFormat(Qt::PlainText);
                         about.exec();
                     });
}

}  // namespace

QMenuBar* BuildMainMenu(frmMain& window, const std::vector<QAction*>& output) {
    auto* bar = new QMenuBar(&window);
    bar->setObjectName(QStringLiteral("mnuMain"));
    BuildFileMenu(*bar, window, output);
    BuildViewMenu(*bar, window);
    BuildHelpMenu(*bar, window);
    return bar;
}
