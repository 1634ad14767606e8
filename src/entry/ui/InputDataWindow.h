// "Input Data": the moment and place of a chart. The window binds its
// controls to the program's EventEntries; the cast reads only those.
#pragma once

#include <QWidget>
#include <functional>

#include "base/ui/WindowContext.h"
#include "entry/EntryChecks.h"
#include "entry/EventEntries.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace quaeryn::ui {

class InputDataWindow : public QWidget {
    Q_OBJECT
public:
    InputDataWindow(const WindowContext& context, EventEntries& entries, QWidget* parent = nullptr);

    // The controls show the entries.
    void LoadEntries();
    // The entries take the controls' texts and choices.
    void CommitEntries();
    // Puts the focus on a field's control (its text is then selected), or on
    // the selected button of a choice.
    void FocusField(EntryField field);

    // The buttons.
    void cmdNow_Click();
    void cmdOK_Click();
    void cmdSave_Click();
    void Label1_Click();
    void optEast_Click();
    void optWest_Click();

    // Attached by the main window: the cast, the focus hand-over, the name
    // file save and the Time Zones window.
    std::function<bool()> castRequested;
    std::function<void()> focusMainWindow;
    std::function<void()> saveToDisk;
    std::function<void()> openTimeZones;

    QLineEdit *txtName, *txtMonth, *txtDay, *txtYear, *txtBirthHour, *txtBirthMinute, *txtTZ,
        *txtLongDeg, *txtLongMin, *txtLatDeg, *txtLatMin;
    QRadioButton *optAM, *optPM, *optEast, *optWest, *optNorth, *optSouth;
    QCheckBox* chkLMT;
    QPushButton *cmdNow, *cmdOK, *cmdSave;
    QLabel* Label1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void txtBirthHour_Change();
    QLineEdit* MakeField(const char* name, int width);

    WindowContext context_;
    EventEntries& entries_;
    bool loading_ = false;
};

}  // namespace quaeryn::ui
