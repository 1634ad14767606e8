#include "wheel/ui/WheelWindows.h"

#include <QApplication>

#include "wheel/WheelCommands.h"
#include "wheel/ui/WheelWindow.h"

namespace quaeryn::ui {

namespace {

// Shows the main window, closes the wheel window that is open and shows a
// new one, laid out and drawn afresh on the chart of this moment.
void ShowWheelWindow(const WindowContext& context, QWidget* parent, WheelMode mode) {
    if (!context.chart) return;
    if (parent) parent->show();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (parent)
        for (WheelWindow* open : parent->findChildren<WheelWindow*>(Qt::FindDirectChildrenOnly)) delete open;
    auto* wheel = new WheelWindow(context, mode, parent);
    wheel->setAttribute(Qt::WA_DeleteOnClose);
    wheel->show();
    wheel->raise();
    QApplication::restoreOverrideCursor();
}

}  // namespace

void RegisterWheelWindows(WindowOpeners& openers) {
    openers.Add(kSingleWheelCommand, [](const WindowContext& context, QWidget* parent) {
        ShowWheelWindow(context, parent, WheelMode::Single);
    });
    openers.Add(kDualWheelCommand, [](const WindowContext& context, QWidget* parent) {
        ShowWheelWindow(context, parent, WheelMode::Dual);
    });
}

}  // namespace quaeryn::ui
