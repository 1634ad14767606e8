#include "reference/ui/ReferenceWindows.h"

#include "reference/Analyzer.h"
#include "reference/ReferenceCommands.h"
#include "reference/ui/AnalyzerWindow.h"
#include "reference/ui/KeywordsWindow.h"

namespace quaeryn::ui {

namespace {

// The open window of this kind over `parent`, or a new one that is deleted
// when it closes.
template <class Window>
Window* OpenOrCreate(const WindowContext& context, QWidget* parent) {
    if (parent)
        for (Window* open : parent->findChildren<Window*>(Qt::FindDirectChildrenOnly))
            if (open->isVisible()) return open;
    auto* window = new Window(context, parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    return window;
}

void Show(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace

void RegisterReferenceWindows(WindowOpeners& openers) {
    openers.Add(kAnalyzerCommand, [](const WindowContext& context, QWidget* parent) {
        // The command's report: the chart's name, below which the answers
        // copied from the window accumulate. It is shown with the first
        // copy.
        BeginAnalyzerReport(context.chart ? context.chart->ChartName : std::string(), context.buffer);
        Show(OpenOrCreate<AnalyzerWindow>(context, parent));
    });
    openers.Add(kKeywordsCommand, [](const WindowContext& context, QWidget* parent) {
        Show(OpenOrCreate<KeywordsWindow>(context, parent));
    });
}

}  // namespace quaeryn::ui
