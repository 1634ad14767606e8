// "Input Data": the moment and place of a chart. The window binds its
// controls to the program's EventEntries; the cast reads only those. The
// "Place…" button finds a city by its name and links the zone box to the
// city's zone (ZoneLink); the line under the zone box says what was used.
#pragma once

#include <QWidget>
#include <functional>

#include "base/ui/WindowContext.h"
#include "entry/EntryChecks.h"
#include "entry/EventEntries.h"
#include "entry/ZoneLink.h"
#include "place/Places.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace quaeryn::ui {

class InputDataWindow : public QWidget {
    Q_OBJECT
public:
    // The place search reads `places` (the city database unless a test
    // gives another).
    InputDataWindow(const WindowContext& context, EventEntries& entries, ZoneLink& zoneLink,
                    QWidget* parent = nullptr, const PlaceFinder* places = nullptr);

    // The controls show the entries.
    void LoadEntries();
    // The entries take the controls' texts and choices.
    void CommitEntries();
    // Puts the focus on a field's control (its text is then selected), or on
    // the selected button of a choice.
    void FocusField(EntryField field);

    // A city picked in the place search: its coordinates and sides, then the
    // zone box linked to its zone and filled for the moment entered.
    void PickPlace(const Place& place);
    // Settles the linked zone for the moment entered (leaving a date or
    // time field, A.M./P.M., before a save); false when the zone refused
    // the moment, after its message.
    bool SettleZone(bool beforeSave = false);

    // The buttons.
    void cmdNow_Click();
    void cmdPlace_Click();
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
    QPushButton *cmdNow, *cmdOK, *cmdSave, *cmdPlace;
    QLabel* Label1;
    QLabel* ZoneUsed;  // the line under the zone box

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void txtBirthHour_Change();
    QLineEdit* MakeField(const char* name, int width);
    // The present moment with the computer's zone, linked when it has a name.
    void TakePresentMoment();
    void ShowZoneLine();

    WindowContext context_;
    EventEntries& entries_;
    ZoneLink& zoneLink_;
    const PlaceFinder* places_;
    bool loading_ = false;
};

}  // namespace quaeryn::ui
