#include "app/ui/PrintWindow.h"

#include <QApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "app/Session.h"
#include "base/Messages.h"
#include "base/TextFile.h"
#include "base/ui/UiCommon.h"

namespace quaeryn::ui {

PrintWindow::PrintWindow(Session& session, QWidget* parent) : QWidget(parent, Qt::Window), session_(session) {
    setObjectName("PrntFile");
    setWindowTitle("Data To Be Printed");
    setAttribute(Qt::WA_DeleteOnClose, false);

    txtContent_ = new QPlainTextEdit(this);
    txtContent_->setObjectName("txtContent");
    txtContent_->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtContent_->setFont(FixedFont(10));
    btnPrint_ = new QPushButton("Print", this);
    btnPrint_->setObjectName("btnPrint");
    btnCancel_ = new QPushButton("Cancel", this);
    btnCancel_->setObjectName("btnCancel");
    auto* label = new QLabel("Ctrl-C to copy.  Ctrl-X to cut.  Ctrl-V to paste.", this);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnPrint_);
    buttons->addWidget(btnCancel_);
    buttons->addStretch();
    buttons->addWidget(label);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(txtContent_);
    layout->addLayout(buttons);
    resize(640, 480);

    connect(btnPrint_, &QPushButton::clicked, this, &PrintWindow::btnPrint_Click);
    connect(btnCancel_, &QPushButton::clicked, this, &PrintWindow::btnCancel_Click);

    // Load: the scratch file line by line; a line longer than option 117
    // sets the wide-lines flag.
    session_.buffer.WideLinesFlag = 0;
    const auto text = ReadWholeFile(session_.dir.Resolve("PRNTFILE.XXX"));
    QString content;
    if (text) {
        const double limit = session_.options[117];
        for (const auto& line : SplitLines(*text)) {
            if (static_cast<double>(line.size()) > limit) session_.buffer.WideLinesFlag = 1;
            content += Q(line) + "\n";
        }
    }
    txtContent_->setPlainText(content);
}

int PrintWindow::PrinterPointSize() const { return session_.buffer.WideLinesFlag ? 10 : 12; }

bool PrintWindow::WriteBackScratch() {
    QString text = txtContent_->toPlainText();
    if (!text.isEmpty() && !text.endsWith('\n')) text += '\n';
    text.replace("\n", "\r\n");
    return WriteFileAtomically(session_.dir.Resolve("PRNTFILE.XXX"), text.toStdString());
}

int PrintWindow::PrintOn(QPrinter& printer) {
    if (!WriteBackScratch()) {
        session_.prompt.notify(msg::DocumentWriteFailed(session_.dir.Resolve("PRNTFILE.XXX").string()));
        return 0;
    }
    const auto text = ReadWholeFile(session_.dir.Resolve("PRNTFILE.XXX"));
    const std::vector<std::string> lines = text ? SplitLines(*text) : std::vector<std::string>{};

    QPainter painter;
    if (!painter.begin(&printer)) return 0;
    painter.setFont(FixedFont(PrinterPointSize()));
    const QFontMetrics metrics(painter.font(), &printer);
    const int lineHeight = std::max(1, metrics.lineSpacing());
    const QRect area = painter.viewport();
    // Option 30 sets the lines of a page; a page that is full earlier also
    // breaks, so that no line is printed past its bottom edge.
    const long perPage = ClampedWhole(std::nearbyint(static_cast<double>(session_.options[30])), 0, 1L << 30);
    int pages = 1;
    long onPage = 0;
    int y = metrics.ascent();
    for (const auto& line : lines) {
        if ((perPage >= 1 && onPage >= perPage) || (onPage > 0 && y + metrics.descent() > area.height())) {
            printer.newPage();
            ++pages;
            onPage = 0;
            y = metrics.ascent();
        }
        painter.drawText(0, y, Q(line));
        y += lineHeight;
        ++onPage;
    }
    painter.end();
    return pages;
}

int PrintWindow::PrintToPdf(const QString& path) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    return PrintOn(printer);
}

void PrintWindow::btnPrint_Click() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (!info.isNull()) {
        QPrinter printer(info, QPrinter::HighResolution);
        PrintOn(printer);
    } else {
        QApplication::restoreOverrideCursor();
        const QString proposed = QDir(Q(session_.dir.root().string())).filePath("PRNTFILE.pdf");
        const QString path = Dialogs().save(this, "Print to PDF", proposed, "PDF Files (*.pdf)");
        if (path.isEmpty()) return;
        QApplication::setOverrideCursor(Qt::WaitCursor);
        PrintToPdf(path);
    }
    QApplication::restoreOverrideCursor();
    close();
}

void PrintWindow::btnCancel_Click() { close(); }

}  // namespace quaeryn::ui
