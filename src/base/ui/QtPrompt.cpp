#include "base/ui/QtPrompt.h"

#include <QApplication>
#include <QMessageBox>

#include "base/ui/UiCommon.h"

namespace quaeryn::ui {

PromptAnswer QtPrompt::ask(const PromptMessage& message) {
    QMessageBox box(parent_ ? parent_ : QApplication::activeWindow());
    box.setWindowTitle(Q(message.title));
    box.setText(Q(message.text));
    if (!message.detail.empty()) box.setInformativeText(Q(message.detail));
    switch (message.icon) {
        case PromptIcon::Information: box.setIcon(QMessageBox::Information); break;
        case PromptIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
        case PromptIcon::Critical: box.setIcon(QMessageBox::Critical); break;
        case PromptIcon::Question: box.setIcon(QMessageBox::Question); break;
    }
    // The hourglass of a running command must not hide the box's buttons.
    const bool busy = QApplication::overrideCursor() != nullptr;
    if (busy) QApplication::setOverrideCursor(Qt::ArrowCursor);
    PromptAnswer answer = PromptAnswer::Ok;
    if (message.buttons == PromptButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        answer = box.exec() == QMessageBox::Yes ? PromptAnswer::Yes : PromptAnswer::No;
    } else if (message.buttons == PromptButtons::YesNoCancel) {
        // Cancel is the default, and Escape or closing the box cancels.
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
        const int chosen = box.exec();
        answer = chosen == QMessageBox::Yes  ? PromptAnswer::Yes
                 : chosen == QMessageBox::No ? PromptAnswer::No
                                             : PromptAnswer::Cancel;
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
    }
    if (busy) QApplication::restoreOverrideCursor();
    return answer;
}

}  // namespace quaeryn::ui
