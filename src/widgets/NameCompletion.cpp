#include "widgets/NameCompletion.h"

#include <QCompleter>
#include <QLineEdit>
#include <QStringList>

namespace {

constexpr int kVisibleNames = 12;

}  // namespace

void CompleteNames(QLineEdit& box, const std::vector<std::string>& names) {
    QStringList choices;
    for (const std::string& name : names) {
        if (!name.empty()) choices.append(QString::fromStdString(name));
    }
    choices.removeDuplicates();
    if (QCompleter* old = box.completer()) {
        box.setCompleter(nullptr);
        old->deleteLater();
    }
    auto* completer = new QCompleter(choices, &box);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    // The names come in the database's sort order, which need not be Qt's.
    completer->setModelSorting(QCompleter::UnsortedModel);
    completer->setMaxVisibleItems(kVisibleNames);
    box.setCompleter(completer);
}
