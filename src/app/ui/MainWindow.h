// The main window: the menu bar, the caption clock, and the windows it
// opens. Its own menus (File, Input, Houses, Options, Help) sit beside the
// commands of the registry, which it places by their menu and position keys
// with their captions, shortcuts and states. Every item is one QAction
// registered by its menu id, so the menus, the shortcuts and the tests run
// the same code.
#pragma once

#include <QHash>
#include <QMainWindow>
#include <QString>

#include "app/ui/AppWindows.h"
#include "base/CommandRegistry.h"
#include "base/ui/WindowContext.h"
#include "base/ui/WindowOpeners.h"

class QAction;
class QActionGroup;
class QMenu;
class QTimer;

namespace quaeryn {
class Session;
}

namespace quaeryn::ui {

class DataWindow;
class InputDataWindow;
class NamesWindow;
class OptionsWindow;
class TimeZoneWindow;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(Session& session, const WindowOpeners& openers = AppWindowOpeners(),
                        QWidget* parent = nullptr);
    ~MainWindow() override;

    // The command of a menu id ("mnuHouseKoch", "mnuHelpHints" …); nullptr
    // when there is none.
    QAction* action(const QString& id) const { return actions_.value(id, nullptr); }
    // Runs a command by its id, as its menu item or shortcut would; false
    // when the command is unknown or disabled.
    bool trigger(const QString& id);

    // The last steps of start-up: the house-system check of option 27, then
    // the main, Input Data and Names windows.
    void ShowStartWindows();

    void OpenInputWindows();
    void SelectHouseSystem(const QString& id);
    void RecastChart();
    // The cast of the OK button and of a double click on a name.
    bool CastFromEntries();
    void ShowHelpText(const QString& file);
    void ShowOptionsWindow();
    void ClockTick();
    void ShutDown();
    // "Save to disk" of the Input Data window: the entries appended to a
    // name file chosen by the user.
    void SaveToDisk();

    // The house-system item that is checked (its menu id).
    QString CheckedHouseSystem() const;

    DataWindow* dataWindow();
    InputDataWindow* inputWindow();
    NamesWindow* namesWindow() const { return names_; }
    OptionsWindow* optionsWindow() const { return options_; }
    TimeZoneWindow* timeZoneWindow() const { return timeZone_; }
    void UnloadTimeZoneWindow();
    // The Time Zones window beside the Input Data window.
    TimeZoneWindow* OpenTimeZoneWindow();
    // The Names window, loaded afresh from the current name file.
    NamesWindow* ReloadNamesWindow();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // What the subsystems' windows get of the session.
    WindowContext windowContext() const;
    QAction* Register(QAction* action, const QString& id, const QString& shortcut = {});
    void BuildMenus();
    void BuildFileMenu();
    void BuildHouseMenu();
    void BuildDataMenu();
    void BuildHelpMenu();
    // A registry command in a menu (or on the bar): its caption, shortcut,
    // enabled state and the separator above it.
    QAction* AddCommand(QWidget* menu, const Command& command);
    // Hidden until the first cast, then shown for good.
    void HideUntilCast(QAction* action);
    void AttachToSession();
    void OnChartCast();

    Session& session_;
    const WindowOpeners& openers_;
    QHash<QString, QAction*> actions_;
    QList<QAction*> untilCast_;
    QActionGroup* houseGroup_ = nullptr;
    QTimer* timer1_ = nullptr;
    DataWindow* data_ = nullptr;
    InputDataWindow* input_ = nullptr;
    NamesWindow* names_ = nullptr;
    OptionsWindow* options_ = nullptr;
    TimeZoneWindow* timeZone_ = nullptr;
    bool shutDown_ = false;
};

}  // namespace quaeryn::ui
