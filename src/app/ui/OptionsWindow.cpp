#include "app/ui/OptionsWindow.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include "app/Messages.h"
#include "app/Session.h"
#include "app/TextFile.h"
#include "app/ui/UiCommon.h"

namespace quaeryn::ui {

std::string TextForFile(const QString& text) {
    QString t = text;
    // Pasted text may bring CR LF or lone CR line ends: all become one form
    // first, so that the final one is recognised.
    t.replace("\r\n", "\n");
    t.replace('\r', '\n');
    // Only a line break is taken off the end: the last characters the user
    // typed are never lost.
    if (t.endsWith('\n')) t.chop(1);
    if (t.isEmpty()) return std::string();
    t.replace("\n", "\r\n");
    return t.toStdString() + "\r\n";
}

OptionsWindow::OptionsWindow(Session& session, QWidget* parent) : QWidget(parent, Qt::Window), session_(session) {
    setObjectName("Options");
    setWindowTitle("Edit: OPTIONS.OPT");
    txtContent_ = BuildTextEditor(this, {{"btnSave", "Save"},
                                         {"cmdRestoreDefault", "Restore Default Settings"},
                                         {nullptr, nullptr},
                                         {"btnQuit", "Quit"}});
    auto* btnSave = findChild<QPushButton*>("btnSave");
    auto* cmdRestoreDefault = findChild<QPushButton*>("cmdRestoreDefault");
    auto* btnQuit = findChild<QPushButton*>("btnQuit");
    resize(560, 520);
    connect(btnSave, &QPushButton::clicked, this, &OptionsWindow::btnSave_Click);
    connect(cmdRestoreDefault, &QPushButton::clicked, this, &OptionsWindow::cmdRestoreDefault_Click);
    connect(btnQuit, &QPushButton::clicked, this, &OptionsWindow::btnQuit_Click);
    Reload();
}

void OptionsWindow::Reload() {
    QString content;
    if (const auto text = ReadWholeFile(session_.OptionsPath()))
        for (const auto& line : SplitLines(*text)) content += Q(line) + "\n";
    txtContent_->setPlainText(content);
    setWindowTitle("Edit: OPTIONS.OPT");
}

void OptionsWindow::btnSave_Click() {
    if (!WriteFileAtomically(session_.OptionsPath(), TextForFile(txtContent_->toPlainText()))) {
        session_.prompt.notify(msg::DocumentWriteFailed(session_.OptionsPath().string()));
        return;
    }
    session_.ReloadOptions();
}

void OptionsWindow::cmdRestoreDefault_Click() {
    if (!session_.RestoreDefaultOptions()) return;
    txtContent_->clear();
    Reload();
}

void OptionsWindow::btnQuit_Click() { close(); }

}  // namespace quaeryn::ui
