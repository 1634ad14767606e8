#include "wheel/ui/WheelWindow.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QDir>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QResizeEvent>

#include "base/Messages.h"
#include "base/Vocabulary.h"
#include "base/ui/UiCommon.h"
#include "base/ui/WindowOpeners.h"
#include "wheel/WheelCommands.h"
#include "wheel/WheelFile.h"
#include "wheel/ui/WheelFileWriter.h"
#include "wheel/ui/WheelPainter.h"

namespace quaeryn::ui {

// The window's drawing surface: paints the wheel at its size, reports its
// resizes, and hands the right mouse button back to the main window.
class WheelView : public QWidget {
public:
    explicit WheelView(WheelWindow& window) : QWidget(&window), window_(window) {
        setObjectName("WheelView");
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFocusPolicy(Qt::StrongFocus);
        setMinimumSize(120, 90);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        PaintWheel(painter, window_.CurrentDrawing(), QRectF(rect()), window_.family_);
    }
    void resizeEvent(QResizeEvent* event) override {
        window_.ViewResized(event->size().width(), event->size().height());
        QWidget::resizeEvent(event);
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::RightButton) {
            window_.FocusMainWindow();
            return;
        }
        QWidget::mouseReleaseEvent(event);
    }

private:
    WheelWindow& window_;
};

namespace {

// The size of a picture the user exports as PNG: asked in a small box.
int AskPixels(QWidget* parent, int proposed) {
    bool ok = false;
    const int pixels = QInputDialog::getInt(parent, "Export", "Width of the picture in pixels:", proposed,
                                            kWheelFileMinPixels, kWheelFileMaxPixels, 100, &ok);
    return ok ? pixels : 0;
}

}  // namespace

WheelWindow::WheelWindow(const WindowContext& context, WheelMode mode, QWidget* parent)
    : QMainWindow(parent),
      context_(context),
      mode_(mode),
      chart_(context.chart ? *context.chart : ChartState{}),
      tables_(CheckWheelTables(context.data).tables),
      header_(FillWheelHeader(chart_, context.regional)),
      subHeader_(FillWheelSubHeader(mode)),
      family_(WheelGlyphFamily()) {
    setObjectName("Wheels");
    setWindowFlag(Qt::Window, true);
    setWindowTitle(QString(kCaptionPrefix) + "Chartwheels");
    setProperty(kShowsChartProperty, true);

    hasPrinter = [] { return !QPrinterInfo::defaultPrinter().isNull(); };
    choosePixels = AskPixels;
    focusMainWindow = [this] {
        if (QWidget* main = parentWidget()) {
            main->activateWindow();
            main->raise();
            main->setFocus();
        }
    };

    mnuAsciiChart_ = menuBar()->addAction("AS&CII", this, &WheelWindow::ShowAsciiChart);
    mnuAsciiChart_->setObjectName("mnuAsciiChart");
    QMenu* types = menuBar()->addMenu("&Type");
    mnuChartType_ = types->menuAction();
    mnuChartType_->setObjectName("mnuChartType");
    auto* group = new QActionGroup(this);
    group->setExclusive(true);
    mnuCTAmerican_ = types->addAction("&American", this, [this] { ChooseType(ChartType::American); });
    mnuCTAmerican_->setObjectName("mnuCTAmerican");
    mnuCTEuropean_ = types->addAction("&European", this, [this] { ChooseType(ChartType::European); });
    mnuCTEuropean_->setObjectName("mnuCTEuropean");
    for (QAction* a : {mnuCTAmerican_, mnuCTEuropean_}) {
        a->setCheckable(true);
        group->addAction(a);
    }
    (context_.settings.TypeChart == 1 ? mnuCTEuropean_ : mnuCTAmerican_)->setChecked(true);
    mnuPrintChartwheel_ = menuBar()->addAction("&Print", this, &WheelWindow::PrintChartwheel);
    mnuPrintChartwheel_->setObjectName("mnuPrintChartwheel");
    mnuExport_ = menuBar()->addAction("Export\u2026", this, &WheelWindow::ExportWheel);
    mnuExport_->setObjectName("mnuExport");
    mnuHelp_ = menuBar()->addAction("&Help", this, &WheelWindow::ShowHelp);
    mnuHelp_->setObjectName("mnuHelp");
    // The dual wheel has no ASCII chart and no chart type.
    const bool single = mode_ == WheelMode::Single;
    mnuAsciiChart_->setVisible(single);
    mnuChartType_->setVisible(single);

    view_ = new WheelView(*this);
    setCentralWidget(view_);
    // The size of the screen class.
    resize(std::max(ToPixels(context_.layout.wheelWidthTwips), 240),
           std::max(ToPixels(context_.layout.wheelHeightTwips), 180));

    // The wheel is drawn even without the symbols' font, after the warning.
    if (family_.isEmpty()) context_.prompt.notify(msg::GlyphFontMissing());
}

WheelWindow::~WheelWindow() = default;

QAction* WheelWindow::action(const QString& id) const {
    for (QAction* a : {mnuAsciiChart_, mnuChartType_, mnuCTAmerican_, mnuCTEuropean_, mnuPrintChartwheel_,
                       mnuExport_, mnuHelp_})
        if (a->objectName() == id) return a;
    return nullptr;
}

QWidget* WheelWindow::view() const { return view_; }

ChartType WheelWindow::chartType() const {
    return mnuCTEuropean_->isChecked() ? ChartType::European : ChartType::American;
}

WheelRequest WheelWindow::Request() const {
    WheelRequest r;
    r.mode = mode_;
    r.type = chartType();
    r.startScale = context_.settings.StartScale > 0 ? context_.settings.StartScale : kFrameHalfWidth;
    r.heightToWidth = view_->width() > 0 ? static_cast<double>(view_->height()) / view_->width()
                                         : kFrameHalfHeight / kFrameHalfWidth;
    r.header = header_;
    r.subHeader = subHeader_;
    return r;
}

WheelDrawing WheelWindow::CurrentDrawing() const { return DrawWheel(chart_, Request(), context_.options, tables_); }

WheelDrawing WheelWindow::PrintDrawing(bool fullPage, double pageHeightToWidth) const {
    WheelRequest r = Request();
    if (fullPage) {
        r.startScale = PrinterStartScale(mode_, chartType());
        r.heightToWidth = pageHeightToWidth;
    } else {
        r.printColours = true;
    }
    return DrawWheel(chart_, r, context_.options, tables_);
}

void WheelWindow::ViewResized(int width, int height) {
    if (printerPass_) return;
    context_.settings.StartScale = static_cast<int16_t>(std::min(StartScaleForWindow(width, height), 32767));
    view_->update();
}

void WheelWindow::ChooseType(ChartType type) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    (type == ChartType::European ? mnuCTEuropean_ : mnuCTAmerican_)->setChecked(true);
    context_.settings.TypeChart = type == ChartType::European ? 1 : 0;
    view_->update();
    QApplication::restoreOverrideCursor();
}

void WheelWindow::ShowAsciiChart() {
    if (mode_ != WheelMode::Single) return;
    if (context_.runCommand) context_.runCommand(kAsciiChartCommand);
}

void WheelWindow::ShowHelp() {
    if (context_.showHelpText) context_.showHelpText("WHEELS.HLP");
}

void WheelWindow::FocusMainWindow() {
    if (focusMainWindow) focusMainWindow();
}

void WheelWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        FocusMainWindow();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

bool WheelWindow::PrintOn(QPrinter& printer, bool fullPage) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QRectF page(painter.viewport());
    printerPass_ = fullPage;
    if (fullPage) {
        PaintWheel(painter, PrintDrawing(true, page.height() / page.width()), page, family_);
    } else {
        // The window's wheel in print colours on the upper half of the page.
        PaintWheel(painter, PrintDrawing(false, 0), QRectF(page.left(), page.top(), page.width(), page.height() / 2),
                   family_);
    }
    printerPass_ = false;
    return painter.end();
}

void WheelWindow::PrintChartwheel() {
    const PromptAnswer answer = context_.prompt.ask(msg::WheelPrintSize());
    if (answer != PromptAnswer::Yes && answer != PromptAnswer::No) return;
    const bool fullPage = answer == PromptAnswer::Yes;
    if (hasPrinter && hasPrinter()) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
        PrintOn(printer, fullPage);
        QApplication::restoreOverrideCursor();
        return;
    }
    // No printer: the print goes to a PDF file of the user's choice.
    const QString proposed = QDir(Q(context_.dir.root().string())).filePath("WHEEL.pdf");
    const QString path = Dialogs().save(this, "Print to PDF", proposed, "PDF Files (*.pdf)");
    if (path.isEmpty()) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    const bool printed = PrintOn(printer, fullPage);
    QApplication::restoreOverrideCursor();
    if (!printed) context_.prompt.notify(msg::DocumentWriteFailed(S(path)));
}

void WheelWindow::ExportWheel() {
    const QString proposed = QDir(Q(context_.dir.root().string())).filePath("Chartwheel.svg");
    const QString path = Dialogs().save(this, "Export", proposed,
                                        "SVG Pictures (*.svg);;PNG Pictures (*.png);;PDF Files (*.pdf)");
    if (path.isEmpty()) return;
    const auto format = WheelFileFormatOf(S(path));
    if (!format) {
        context_.prompt.notify(msg::WheelExportEnding());
        return;
    }
    int pixels = kWheelFilePixels;
    if (*format == WheelFileFormat::Png) {
        pixels = choosePixels ? choosePixels(this, kWheelFilePixels) : kWheelFilePixels;
        if (pixels <= 0) return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const WheelDrawing drawing =
        WheelFileDrawing(chart_, mode_, chartType(), context_.options, tables_, context_.regional);
    const bool saved = SaveWheelPicture(drawing, path, *format, pixels, family_);
    QApplication::restoreOverrideCursor();
    if (!saved) context_.prompt.notify(msg::DocumentWriteFailed(S(path)));
}

}  // namespace quaeryn::ui
