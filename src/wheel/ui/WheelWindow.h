// The Chartwheels window: the wheel of the chart cast last, single
// (American or European) or dual, drawn afresh at every paint and resize.
// Its menu: "AS&CII" (the ASCII chart in the Data window) and "&Type"
// (American or European, kept as TypeChart in the settings), both only on
// the single wheel; "&Print" (full or half page), "Export…" (SVG, PNG or
// PDF) and "&Help". Escape, or releasing the right mouse button over it,
// gives the focus back to the main window.
#pragma once

#include <QMainWindow>
#include <QString>
#include <functional>

#include "base/ui/WindowContext.h"
#include "wheel/WheelDrawing.h"
#include "wheel/WheelTables.h"

class QAction;
class QPrinter;

namespace quaeryn::ui {

class WheelView;

class WheelWindow : public QMainWindow {
    Q_OBJECT
public:
    // Takes its copy of the context's chart, which must be there.
    WheelWindow(const WindowContext& context, WheelMode mode, QWidget* parent = nullptr);
    ~WheelWindow() override;

    // A menu item by its id (mnuAsciiChart, mnuChartType, mnuCTAmerican,
    // mnuCTEuropean, mnuPrintChartwheel, mnuExport, mnuHelp).
    QAction* action(const QString& id) const;
    WheelMode mode() const { return mode_; }
    ChartType chartType() const;
    QWidget* view() const;
    // The family the texts are drawn in; empty when no installed font has
    // the symbols.
    QString glyphFamily() const { return family_; }

    // The drawing as the window shows it at its present size.
    WheelDrawing CurrentDrawing() const;
    // The drawing of a print: the full page at the printer's scale, or the
    // half page as the window shows it, in print colours.
    WheelDrawing PrintDrawing(bool fullPage, double pageHeightToWidth) const;

    void ChooseType(ChartType type);
    void ShowAsciiChart();
    void PrintChartwheel();
    void ExportWheel();
    void ShowHelp();
    // Prints on a printer: the full page, or the upper half of it. False
    // when the printer cannot be painted on.
    bool PrintOn(QPrinter& printer, bool fullPage);
    void FocusMainWindow();

    // Replaceable for tests: whether a default printer exists, the width
    // of an exported PNG (0 cancels), and what gives the main window the
    // focus.
    std::function<bool()> hasPrinter;
    std::function<int(QWidget* parent, int proposed)> choosePixels;
    std::function<void()> focusMainWindow;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    friend class WheelView;
    WheelRequest Request() const;
    void ViewResized(int width, int height);

    WindowContext context_;
    WheelMode mode_;
    ChartState chart_;  // the wheel's copy of the chart
    WheelTables tables_;
    WheelHeaderBlock header_, subHeader_;
    QString family_;
    bool printerPass_ = false;
    WheelView* view_ = nullptr;
    QAction* mnuAsciiChart_ = nullptr;
    QAction* mnuChartType_ = nullptr;
    QAction* mnuCTAmerican_ = nullptr;
    QAction* mnuCTEuropean_ = nullptr;
    QAction* mnuPrintChartwheel_ = nullptr;
    QAction* mnuExport_ = nullptr;
    QAction* mnuHelp_ = nullptr;
};

}  // namespace quaeryn::ui
