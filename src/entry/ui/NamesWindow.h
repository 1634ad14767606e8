// "Names": the charts of the current name file. A click fills the Input
// Data window, a double click also casts; the list can be edited or
// another name file chosen.
#pragma once

#include <QWidget>
#include <functional>

#include "base/ui/WindowContext.h"
#include "entry/EventEntries.h"
#include "entry/NameFile.h"

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QPushButton;

namespace quaeryn::ui {

class NameEditWindow;

class NamesWindow : public QWidget {
    Q_OBJECT
public:
    NamesWindow(const WindowContext& context, EventEntries& entries, QWidget* parent = nullptr);

    // Reads the current name file into the list (the load of the window).
    void LoadList();

    void NamesOnFile_Click(const QString& name);
    void NamesOnFile_DblClick(const QString& name);
    void cmdEditList_Click();
    void cmdNewFileList_Click();

    QListWidget* NamesOnFile() const { return namesOnFile_; }
    QLabel* lblNamesOnFile() const { return lblNamesOnFile_; }
    NameEditWindow* nameEditWindow() const { return nameEdit_; }
    const NameList& list() const { return list_; }

    // Attached by the main window: the entries changed (the Input Data
    // window shows them), and the cast of a double click.
    std::function<void()> entriesChanged;
    std::function<bool()> castRequested;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void ShowNameFileLabel();

    WindowContext context_;
    EventEntries& entries_;
    QListWidget* namesOnFile_;
    QLabel* lblNamesOnFile_;
    QPushButton* cmdEditList_;
    QPushButton* cmdNewFileList_;
    NameEditWindow* nameEdit_ = nullptr;
    NameList list_;
};

// "Edit: <path>": the current name file as plain text.
class NameEditWindow : public QWidget {
    Q_OBJECT
public:
    NameEditWindow(const WindowContext& context, NamesWindow* names);

    void Reload();
    void btnSave_Click();
    void btnQuit_Click();
    QPlainTextEdit* txtContent() const { return txtContent_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    WindowContext context_;
    NamesWindow* names_;
    QPlainTextEdit* txtContent_;
    bool windows1252_ = false;  // the file was read as Windows-1252
};

}  // namespace quaeryn::ui
