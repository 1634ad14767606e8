// "Input Data": the moment and place of a chart. The window binds its
// controls to the session's EventEntries; the cast reads only those.
#pragma once

#include <QWidget>
#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace quaeryn {
class Session;
}

namespace quaeryn::ui {

class InputDataWindow : public QWidget {
    Q_OBJECT
public:
    explicit InputDataWindow(Session& session, QWidget* parent = nullptr);

    // The controls show the session's entries.
    void LoadEntries();
    // The session's entries take the controls' texts and choices.
    void CommitEntries();

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

    Session& session_;
    bool loading_ = false;
};

}  // namespace quaeryn::ui
