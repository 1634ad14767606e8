// The Data window: the page of the latest report in a fixed-pitch font,
// with saving, font commands, clearing and printing of the buffer.
#pragma once

#include <QMainWindow>
#include <functional>

class QAction;
class QPlainTextEdit;

namespace quaeryn {
class Session;
}

namespace quaeryn::ui {

class PrintWindow;

class DataWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit DataWindow(Session& session, QWidget* parent = nullptr);

    // Shows the current page (the buffer side ran already).
    void ShowPage();
    bool IsMinimized() const { return isMinimized(); }

    QPlainTextEdit* Text1() const { return text1_; }
    QAction* action(const QString& id) const;

    // Called when the window hands the focus to the main window.
    std::function<void()> focusMainWindow;

    // The commands of the menu.
    void SaveDocument();
    void SaveDocumentAs();
    void IncreaseFont();
    void DecreaseFont();
    void ToggleBold();
    void ToggleItalic();
    void PrintPage();
    void PrintData();
    void ClearData();
    void ShowHelp();

    PrintWindow* printWindow() const { return printWindow_; }

protected:
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ApplyFont();
    void RefreshAfterFontChange();
    void StorePlace();
    void UpdateFontItems();
    void WriteDocumentTo(const QString& path);
    void OpenPrintWindow(const std::vector<std::string>& lines, int count);

    Session& session_;
    QPlainTextEdit* text1_;
    QAction* mnuFileSave_;
    QAction* mnuFileSaveAs_;
    QAction* mnuFontsIncrease_;
    QAction* mnuFontsDecrease_;
    QAction* mnuFontsBold_;
    QAction* mnuFontsItalic_;
    QAction* mnuClearBuffer_;
    QAction* mnuPrint_;
    QAction* mnuPrintData_;
    QAction* mnuHelp_;
    PrintWindow* printWindow_ = nullptr;
    bool loaded_ = false;
};

}  // namespace quaeryn::ui
