// "Edit: OPTIONS.OPT": the option file as editable text.
#pragma once

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

namespace quaeryn {
class Session;
}

namespace quaeryn::ui {

class OptionsWindow : public QWidget {
    Q_OBJECT
public:
    explicit OptionsWindow(Session& session, QWidget* parent = nullptr);

    QPlainTextEdit* txtContent() const { return txtContent_; }
    // Loads the whole option file into the text box.
    void Reload();
    // Writes the text back (without its final line break) and rereads the
    // options; the window stays open.
    void btnSave_Click();
    // Copies OPTIONS.MST over OPTIONS.OPT and shows it.
    void cmdRestoreDefault_Click();
    void btnQuit_Click();

private:
    Session& session_;
    QPlainTextEdit* txtContent_;
    bool windows1252_ = false;  // OPTIONS.OPT was read as Windows-1252
};

}  // namespace quaeryn::ui
