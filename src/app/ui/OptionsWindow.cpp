#include "app/ui/OptionsWindow.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include "app/Session.h"
#include "base/Messages.h"
#include "base/TextFile.h"
#include "base/ui/UiCommon.h"

namespace quaeryn::ui {

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
    const auto text = ReadWholeFile(session_.OptionsPath());
    txtContent_->setPlainText(EditorContent(text.value_or(std::string()), windows1252_));
    setWindowTitle("Edit: OPTIONS.OPT");
}

void OptionsWindow::btnSave_Click() {
    if (!WriteFileAtomically(session_.OptionsPath(), EditorFileBytes(txtContent_->toPlainText(), windows1252_))) {
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
