#include "app/ui/DataWindow.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>

#include "app/Session.h"
#include "app/ui/PrintWindow.h"
#include "base/Messages.h"
#include "base/TextFile.h"
#include "base/ui/UiCommon.h"

namespace quaeryn::ui {

namespace {
constexpr double kSmallestSize = 8;
constexpr double kLargestSize = 12;
}  // namespace

DataWindow::DataWindow(Session& session, QWidget* parent) : QMainWindow(parent), session_(session) {
    setObjectName("OutputD1");
    setWindowTitle(QString(kCaptionPrefix) + "Data");

    QMenu* mnuFile = menuBar()->addMenu("&File");
    mnuFile->setObjectName("mnuFile");
    mnuFileSave_ = mnuFile->addAction("&Save", this, &DataWindow::SaveDocument);
    mnuFileSave_->setObjectName("mnuFileSave");
    mnuFileSaveAs_ = mnuFile->addAction("Save &As", this, &DataWindow::SaveDocumentAs);
    mnuFileSaveAs_->setObjectName("mnuFileSaveAs");
    QMenu* mnuFonts = menuBar()->addMenu("F&ont");
    mnuFonts->setObjectName("mnuFonts");
    mnuFontsIncrease_ = mnuFonts->addAction("&Increase", this, &DataWindow::IncreaseFont);
    mnuFontsIncrease_->setObjectName("mnuFontsIncrease");
    mnuFontsDecrease_ = mnuFonts->addAction("&Decrease", this, &DataWindow::DecreaseFont);
    mnuFontsDecrease_->setObjectName("mnuFontsDecrease");
    mnuFontsBold_ = mnuFonts->addAction("&Bold", this, &DataWindow::ToggleBold);
    mnuFontsBold_->setObjectName("mnuFontsBold");
    mnuFontsBold_->setCheckable(true);
    mnuFontsItalic_ = mnuFonts->addAction("I&talic", this, &DataWindow::ToggleItalic);
    mnuFontsItalic_->setObjectName("mnuFontsItalic");
    mnuFontsItalic_->setCheckable(true);
    mnuClearBuffer_ = menuBar()->addAction("&Clear all data", this, &DataWindow::ClearData);
    mnuClearBuffer_->setObjectName("mnuClearBuffer");
    mnuPrint_ = menuBar()->addAction("&Print page", this, &DataWindow::PrintPage);
    mnuPrint_->setObjectName("mnuPrint");
    mnuPrintData_ = menuBar()->addAction("Print &data", this, &DataWindow::PrintData);
    mnuPrintData_->setObjectName("mnuPrintData");
    mnuHelp_ = menuBar()->addAction("&Help", this, &DataWindow::ShowHelp);
    mnuHelp_->setObjectName("mnuHelp");

    text1_ = new QPlainTextEdit(this);
    text1_->setObjectName("Text1");
    text1_->setReadOnly(true);
    text1_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text1_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text1_->installEventFilter(this);
    text1_->viewport()->installEventFilter(this);
    setCentralWidget(text1_);

    // Place, size and font from the settings.
    const Settings& s = session_.settings;
    setGeometry(ToPixels(s.DataLeft), ToPixels(s.DataTop), std::max(200, ToPixels(s.DataWidth)),
                std::max(120, ToPixels(s.DataHeight)));
    mnuFontsBold_->setChecked(s.FontBold != 0);
    mnuFontsItalic_->setChecked(s.FontItalic != 0);
    ApplyFont();
    UpdateFontItems();
    text1_->clear();
    loaded_ = true;
}

QAction* DataWindow::action(const QString& id) const { return findChild<QAction*>(id); }

void DataWindow::ApplyFont() {
    const Settings& s = session_.settings;
    QFont font = FixedFont(std::clamp(s.FontSize, 1.0, 96.0));
    font.setBold(s.FontBold != 0);
    font.setItalic(s.FontItalic != 0);
    text1_->setFont(font);
}

void DataWindow::UpdateFontItems() {
    mnuFontsDecrease_->setEnabled(session_.settings.FontSize > kSmallestSize);
    mnuFontsIncrease_->setEnabled(session_.settings.FontSize < kLargestSize);
}

void DataWindow::ShowPage() {
    // Line by line: a help text in Windows-1252 does not change how the
    // chart's own lines read.
    text1_->setPlainText(Q(DisplayLines(session_.buffer.PageText())).replace("\r\n", "\n"));
    setWindowTitle(QString(kCaptionPrefix) + "Data");
    show();
    raise();
}

void DataWindow::StorePlace() {
    if (!loaded_ || isMinimized()) return;
    Settings& s = session_.settings;
    // The inner area's place and size, as setGeometry() takes them back, so
    // the window reopens exactly where it was (no drift by its frame).
    const QRect inner = geometry();
    s.DataTop = static_cast<int16_t>(std::clamp(ToTwips(inner.top()), -32768.0, 32767.0));
    s.DataLeft = static_cast<int16_t>(std::clamp(ToTwips(inner.left()), -32768.0, 32767.0));
    s.DataHeight = static_cast<int16_t>(std::clamp(ToTwips(inner.height()), 1.0, 32767.0));
    s.DataWidth = static_cast<int16_t>(std::clamp(ToTwips(inner.width()), 1.0, 32767.0));
}

void DataWindow::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    StorePlace();
}

void DataWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    StorePlace();
}

bool DataWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == text1_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        if (focusMainWindow) focusMainWindow();
        return true;
    }
    if (watched == text1_->viewport() && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
        if (focusMainWindow) focusMainWindow();
        return true;
    }
    if (watched == text1_->viewport() && event->type() == QEvent::ContextMenu) return true;
    return QMainWindow::eventFilter(watched, event);
}

void DataWindow::WriteDocumentTo(const QString& path) {
    if (!WriteDocument(path.toStdString(), session_.buffer, session_.options[45]))
        session_.prompt.notify(msg::DocumentWriteFailed(path.toStdString()));
}

void DataWindow::SaveDocument() {
    if (session_.buffer.DataLineCount() == 0) {
        session_.prompt.notify(msg::NoDataToWrite());
        return;
    }
    if (session_.buffer.CurrentDocFile.empty()) {
        SaveDocumentAs();
        return;
    }
    WriteDocumentTo(Q(session_.buffer.CurrentDocFile));
}

void DataWindow::SaveDocumentAs() {
    if (session_.buffer.DataLineCount() == 0) {
        session_.prompt.notify(msg::NoDataToWrite());
        return;
    }
    const std::string chartName = session_.chart ? session_.chart->ChartName : session_.entries.name;
    const QString proposed =
        QDir(Q(session_.dir.root().string())).filePath(Q(ProposedDocumentName(chartName)));
    QString path = Dialogs().save(this, "Save As", proposed, "Data Files (*.DOC *.doc)");
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += ".doc";
    session_.buffer.CurrentDocFile = path.toStdString();
    WriteDocumentTo(path);
}

void DataWindow::IncreaseFont() {
    Settings& s = session_.settings;
    // The item is disabled at the largest size; the remembered size never
    // runs past what the window shows.
    if (s.FontSize >= kLargestSize) return;
    s.FontSize += session_.layout.FontStep();
    ApplyFont();
    RefreshAfterFontChange();
}

void DataWindow::DecreaseFont() {
    Settings& s = session_.settings;
    if (s.FontSize <= kSmallestSize) return;
    s.FontSize -= session_.layout.FontStep();
    ApplyFont();
    RefreshAfterFontChange();
}

void DataWindow::ToggleBold() {
    Settings& s = session_.settings;
    s.FontBold = s.FontBold != 0 ? 0 : -1;
    mnuFontsBold_->setChecked(s.FontBold != 0);
    ApplyFont();
    RefreshAfterFontChange();
}

void DataWindow::ToggleItalic() {
    Settings& s = session_.settings;
    s.FontItalic = s.FontItalic != 0 ? 0 : -1;
    mnuFontsItalic_->setChecked(s.FontItalic != 0);
    ApplyFont();
    RefreshAfterFontChange();
}

void DataWindow::RefreshAfterFontChange() {
    UpdateFontItems();
    if (session_.buffer.PageLineCount() == 0) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (session_.buffer.ShowDataWindow(isMinimized())) ShowPage();
    QApplication::restoreOverrideCursor();
}

void DataWindow::ClearData() { session_.buffer.ClearDataBuffer(); }

void DataWindow::ShowHelp() { session_.ShowHelpText("OUTPUTD1.HLP"); }

void DataWindow::OpenPrintWindow(const std::vector<std::string>& lines, int count) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    std::string text;
    for (int i = 0; i <= count && i < static_cast<int>(lines.size()); ++i) {
        text += lines[static_cast<std::size_t>(i)];
        text += "\r\n";
    }
    const auto scratch = session_.dir.Resolve("PRNTFILE.XXX");
    const bool written = WriteFileAtomically(scratch, text);
    QApplication::restoreOverrideCursor();
    if (!written) {
        session_.prompt.notify(msg::DocumentWriteFailed(scratch.string()));
        return;
    }
    delete printWindow_;
    printWindow_ = new PrintWindow(session_, this);
    printWindow_->show();
}

void DataWindow::PrintPage() {
    if (session_.buffer.PageLineCount() == 0) return;
    OpenPrintWindow(session_.buffer.PageBuffer(), session_.buffer.PageLineCount());
}

void DataWindow::PrintData() {
    if (session_.buffer.DataLineCount() == 0) {
        session_.prompt.notify(msg::NoDataToPrint());
        return;
    }
    OpenPrintWindow(session_.buffer.DataBuffer(), session_.buffer.DataLineCount());
}

}  // namespace quaeryn::ui
