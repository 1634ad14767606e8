// "Data To Be Printed": the text of the scratch file PRNTFILE.XXX, editable
// before it goes to the printer (or to a PDF when there is no printer).
#pragma once

#include <QWidget>

class QPlainTextEdit;
class QPrinter;
class QPushButton;

namespace quaeryn {
class Session;
}

namespace quaeryn::ui {

class PrintWindow : public QWidget {
    Q_OBJECT
public:
    explicit PrintWindow(Session& session, QWidget* parent = nullptr);

    QPlainTextEdit* txtContent() const { return txtContent_; }
    // Print: to the default printer, or to a PDF chosen in a save dialog
    // when the system has no printer. Closes the window after printing.
    void btnPrint_Click();
    void btnCancel_Click();
    // Prints the (edited) text to a PDF file; the number of pages printed,
    // 0 when nothing could be printed.
    int PrintToPdf(const QString& path);
    // The point size the printer uses: 12, or 10 when a line is longer than
    // option 117.
    int PrinterPointSize() const;

private:
    int PrintOn(QPrinter& printer);
    bool WriteBackScratch();

    Session& session_;
    QPlainTextEdit* txtContent_;
    QPushButton* btnPrint_;
    QPushButton* btnCancel_;
};

}  // namespace quaeryn::ui
