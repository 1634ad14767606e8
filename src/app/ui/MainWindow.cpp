#include "app/ui/MainWindow.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <algorithm>
#include <fstream>
#include <functional>
#include <utility>
#include <vector>

#include "app/Session.h"
#include "app/ui/DataWindow.h"
#include "app/ui/OptionsWindow.h"
#include "base/Messages.h"
#include "base/ui/UiCommon.h"
#include "entry/NameFile.h"
#include "entry/ui/InputDataWindow.h"
#include "entry/ui/NamesWindow.h"
#include "entry/ui/TimeZoneWindow.h"

namespace quaeryn::ui {

namespace {

struct HelpItem {
    const char* id;
    const char* caption;
    const char* file;          // nullptr: a separator
    const char* shortcut = "";
};

// The Help menu: every help text of the data folder.
const HelpItem kHelpItems[] = {
    {"mnuHelpQuaeryn", "&Quaeryn Window", "Quaeryn.HLP", "F1"},
    {"mnuSplit0", "-", nullptr},
    {"mnuHelpInputD", "&Input Data Window", "INPUTD.HLP"},
    {"mnuHelpNames", "&Names Window", "NAMES.HLP"},
    {"mnuHelpOptions", "&Options Window", "OPTIONS.HLP"},
    {"mnuHelpOutputD1", "Da&ta Window", "OUTPUTD1.HLP"},
    {"mnuHelpWheels", "&Chartwheels Window", "WHEELS.HLP"},
    {"mnuHelpNameedit", "&Edit A Name File Window", "NAMEEDIT.HLP"},
    {"mnuHelpPrntfile", "&File To Print  Window", "PRNTFILE.HLP"},
    {"mnuHelpAnalyzer", "Horary Analy&zer Window", "ANALYZER.HLP"},
    {"mnuSplit1", "-", nullptr},
    {"mnuHelpHints", "Hint&s", "HINTS.HLP"},
    {"mnuShortcutKeys", "Shortcut &keys", "SHORTCUT.HLP"},
    {"mnuHelpLicense", "&License Agreement", "LICENSE.HLP"},
    {"mnuSplit2", "-", nullptr},
    {"mnuHelpHoraryNotes", "Ho&rary Notes", "HORARY.NOT"},
    {"mnuHelpHoraryIndex", "Horary Practioner Inde&x", "INDEX.TXT"},
    {"mnuSplit3", "-", nullptr},
    {"mnuHelpRevisions", "Re&vision history", "REVISION.HLP"},
};

}  // namespace

MainWindow::MainWindow(Session& session, const WindowOpeners& openers, QWidget* parent)
    : QMainWindow(parent), session_(session), openers_(openers) {
    setObjectName("Quaeryn");
    setWindowTitle(QString(kCaptionPrefix).trimmed());
    BuildMenus();
    AttachToSession();

    const Settings& s = session_.settings;
    setGeometry(ToPixels(s.QuaerynLeft), ToPixels(s.QuaerynTop), std::max(ToPixels(s.QuaerynWidth), 200),
                std::max(ToPixels(s.QuaerynHeight), menuBar()->sizeHint().height()));

    timer1_ = new QTimer(this);
    timer1_->setObjectName("Timer1");
    timer1_->setInterval(1000);
    connect(timer1_, &QTimer::timeout, this, &MainWindow::ClockTick);
    timer1_->start();
    ClockTick();
}

MainWindow::~MainWindow() { session_.view = SessionView{}; }

void MainWindow::AttachToSession() {
    SessionView& view = session_.view;
    view.showDataWindow = [this] { dataWindow()->ShowPage(); };
    view.dataWindowMinimized = [this] { return data_ && data_->IsMinimized(); };
    view.commitEntries = [this] {
        if (input_) input_->CommitEntries();
    };
    view.entriesOpened = [this] {
        if (data_) data_->close();
        // The windows that show the chart close: it is about to change.
        for (QWidget* w : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (w->property(kShowsChartProperty).toBool()) w->close();
        inputWindow()->LoadEntries();
        inputWindow()->show();
        inputWindow()->raise();
        ReloadNamesWindow();
    };
    view.zoneFilled = [this] {
        if (input_) input_->LoadEntries();
    };
    view.castStarting = [this] {
        UnloadTimeZoneWindow();
        QApplication::setOverrideCursor(Qt::WaitCursor);
    };
    view.castFinished = [this](bool cast) {
        QApplication::restoreOverrideCursor();
        if (!cast && input_) {
            input_->LoadEntries();
            // The user corrects where the first refused field is.
            if (const auto field = FirstFailingField(session_.refusal)) input_->FocusField(*field);
        }
    };
    view.chartCast = [this] { OnChartCast(); };
    view.openWindow = [this](const Command& command) {
        const WindowOpener* opener = openers_.Find(command.id);
        if (!opener) return false;
        (*opener)(windowContext(), this);
        return true;
    };
}

WindowContext MainWindow::windowContext() const {
    return WindowContext{session_.dir,
                         session_.data,
                         session_.options,
                         session_.settings,
                         session_.regional,
                         session_.layout,
                         session_.prompt,
                         session_.clock,
                         session_.zone,
                         session_.currentNameFile,
                         session_.chart,
                         session_.buffer,
                         [this] { session_.ShowPage(); },
                         [this](const std::string& id) {
                             return session_.RunCommand(id) == Session::CommandOutcome::Done;
                         },
                         [this](const std::string& file) { session_.ShowHelpText(file); }};
}

QAction* MainWindow::Register(QAction* action, const QString& id, const QString& shortcut) {
    action->setObjectName(id);
    if (!shortcut.isEmpty()) {
        action->setShortcut(QKeySequence(shortcut));
        action->setShortcutContext(Qt::ApplicationShortcut);
    }
    actions_.insert(id, action);
    return action;
}

bool MainWindow::trigger(const QString& id) {
    QAction* a = action(id);
    if (!a || !a->isEnabled()) return false;
    a->trigger();
    return true;
}

void MainWindow::HideUntilCast(QAction* action) {
    action->setVisible(false);
    untilCast_.append(action);
}

QAction* MainWindow::AddCommand(QWidget* menu, const Command& command) {
    if (command.separatorBefore)
        if (auto* m = qobject_cast<QMenu*>(menu)) m->addSeparator();
    const QString id = Q(command.id);
    QAction* a = Register(menu->addAction(Q(command.caption)), id, Q(command.shortcut));
    // A window or tool whose window is not in this build shows disabled.
    a->setEnabled(command.kind == CommandKind::TextReport || openers_.Find(command.id) != nullptr);
    connect(a, &QAction::triggered, this, [this, id] { session_.RunCommand(S(id)); });
    return a;
}

void MainWindow::BuildMenus() {
    // The menu bar by position keys: the window's own menus and the
    // commands the registry places on the bar.
    std::vector<std::pair<int, std::function<void()>>> entries = {
        {menu_order::File, [this] { BuildFileMenu(); }},
        {menu_order::Input,
         [this] { HideUntilCast(Register(menuBar()->addAction("&Input", this, &MainWindow::OpenInputWindows), "mnuInputData")); }},
        {menu_order::Houses, [this] { BuildHouseMenu(); }},
        {menu_order::Data, [this] { BuildDataMenu(); }},
        {menu_order::Options,
         [this] { Register(menuBar()->addAction("&Options", this, &MainWindow::ShowOptionsWindow), "mnuOptions"); }},
        {menu_order::Help, [this] { BuildHelpMenu(); }},
    };
    for (const Command* command : session_.commands.InMenu(CommandMenu::Bar))
        entries.emplace_back(command->order, [this, command] {
            QAction* a = AddCommand(menuBar(), *command);
            if (command->needsChart) HideUntilCast(a);
        });
    std::stable_sort(entries.begin(), entries.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& entry : entries) entry.second();
}

void MainWindow::BuildFileMenu() {
    QMenu* mnuFile = menuBar()->addMenu("&File");
    Register(mnuFile->menuAction(), "mnuFile");
    Register(mnuFile->addAction("E&xit", this, &MainWindow::ShutDown), "mnuFileExit", "F12");
}

void MainWindow::BuildHouseMenu() {
    QMenu* mnuHouseSystem = menuBar()->addMenu("Hou&ses");
    Register(mnuHouseSystem->menuAction(), "mnuHouseSystem");
    houseGroup_ = new QActionGroup(this);
    houseGroup_->setExclusive(true);
    for (const auto& item : HouseSystemItems()) {
        const QString id = item.id;
        QAction* a = Register(mnuHouseSystem->addAction(item.caption), id);
        a->setCheckable(true);
        a->setData(QString(item.code));
        houseGroup_->addAction(a);
        connect(a, &QAction::triggered, this, [this, id] { SelectHouseSystem(id); });
    }
}

void MainWindow::BuildDataMenu() {
    QMenu* mnuData = menuBar()->addMenu("&Data");
    QAction* menu = Register(mnuData->menuAction(), "mnuData");
    const std::vector<const Command*> commands = session_.commands.InMenu(CommandMenu::Data);
    bool allNeedAChart = true;
    for (const Command* command : commands) {
        AddCommand(mnuData, *command);
        allNeedAChart = allNeedAChart && command->needsChart;
    }
    // A menu of commands that all need a chart waits for the first cast; an
    // empty one never shows.
    if (commands.empty())
        menu->setVisible(false);
    else if (allNeedAChart)
        HideUntilCast(menu);
}

void MainWindow::BuildHelpMenu() {
    QMenu* mnuHelp = menuBar()->addMenu("&Help");
    Register(mnuHelp->menuAction(), "mnuHelp");
    for (const auto& item : kHelpItems) {
        if (!item.file) {
            Register(mnuHelp->addSeparator(), item.id);
            continue;
        }
        const QString file = item.file;
        QAction* a = Register(mnuHelp->addAction(item.caption), item.id, item.shortcut);
        connect(a, &QAction::triggered, this, [this, file] { ShowHelpText(file); });
    }
}

void MainWindow::ShowStartWindows() {
    for (const auto& item : HouseSystemItems())
        if (session_.houseCode == item.code) action(item.id)->setChecked(true);
    show();
    // The Input Data window opens below the menu bar window.
    inputWindow()->move(frameGeometry().left(), frameGeometry().bottom() + 24);
    inputWindow()->show();
    ReloadNamesWindow();
    names_->activateWindow();
}

QString MainWindow::CheckedHouseSystem() const {
    QAction* checked = houseGroup_->checkedAction();
    return checked ? checked->objectName() : QString();
}

DataWindow* MainWindow::dataWindow() {
    if (!data_) {
        data_ = new DataWindow(session_, this);
        data_->setWindowFlag(Qt::Window, true);
        data_->focusMainWindow = [this] {
            activateWindow();
            raise();
            setFocus();
        };
    }
    return data_;
}

InputDataWindow* MainWindow::inputWindow() {
    if (!input_) {
        input_ = new InputDataWindow(windowContext(), session_.entries, session_.zoneLink, this);
        input_->castRequested = [this] { return CastFromEntries(); };
        input_->focusMainWindow = [this] {
            activateWindow();
            setFocus();
        };
        input_->openTimeZones = [this] { OpenTimeZoneWindow(); };
        input_->saveToDisk = [this] { SaveToDisk(); };
    }
    return input_;
}

void MainWindow::SaveToDisk() {
    // A name the save refuses (a comma, no name, a double quotation mark, a
    // line break) is refused before any file is chosen; SaveNameRecord gives
    // the message and writes nothing.
    if (!NameRefusedForSave(session_.entries.name)) {
        const QString start = session_.currentNameFile.empty()
                                  ? Q((session_.dir.root() / "Horary.fil").string())
                                  : Q(session_.currentNameFile.string());
        // The same chooser as "Change List".
        const QString path = Dialogs().append(input_, "Select a File", start, "Name Files (*.FIL *.fil)");
        if (path.isEmpty()) return;
        SaveNameRecord(session_.entries, S(path), session_.regional, session_.prompt);
    } else {
        SaveNameRecord(session_.entries, session_.currentNameFile, session_.regional, session_.prompt);
    }
    ReloadNamesWindow();
}

NamesWindow* MainWindow::ReloadNamesWindow() {
    if (!names_) {
        names_ = new NamesWindow(windowContext(), session_.entries, this);
        // A stored record brings its own zone: the link goes.
        names_->entriesChanged = [this] {
            session_.zoneLink.Drop();
            inputWindow()->LoadEntries();
        };
        names_->castRequested = [this] {
            inputWindow()->activateWindow();
            return CastFromEntries();
        };
        const QRect beside = inputWindow()->frameGeometry();
        names_->move(beside.right() + 8, beside.top());
    } else {
        names_->LoadList();
    }
    names_->show();
    return names_;
}

TimeZoneWindow* MainWindow::OpenTimeZoneWindow() {
    UnloadTimeZoneWindow();
    timeZone_ = new TimeZoneWindow(windowContext(), session_.entries, this);
    timeZone_->entriesChanged = [this] {
        session_.zoneLink.Drop();
        inputWindow()->LoadEntries();
    };
    // Its left edge at the Input Data window's width, as beside it.
    timeZone_->move(inputWindow()->frameGeometry().left() + inputWindow()->width(), inputWindow()->y());
    timeZone_->show();
    return timeZone_;
}

void MainWindow::OnChartCast() {
    // The first successful cast shows what needs a chart; it stays.
    for (QAction* a : untilCast_) a->setVisible(true);
    if (input_) input_->hide();
    if (names_) names_->hide();
}

bool MainWindow::CastFromEntries() { return session_.Cast(); }

void MainWindow::UnloadTimeZoneWindow() {
    if (!timeZone_) return;
    timeZone_->close();
    timeZone_->deleteLater();
    timeZone_ = nullptr;
}

void MainWindow::OpenInputWindows() { session_.OpenInputWindows(); }

void MainWindow::SelectHouseSystem(const QString& id) {
    QAction* a = action(id);
    if (!a || !houseGroup_->actions().contains(a)) return;
    a->setChecked(true);  // the group clears the others
    session_.SelectHouseSystem(S(a->data().toString()));
}

void MainWindow::RecastChart() { session_.RecastChart(); }

void MainWindow::ShowHelpText(const QString& file) { session_.ShowHelpText(S(file)); }

void MainWindow::ShowOptionsWindow() {
    // The option file is opened once as a test before the window opens.
    if (!std::ifstream(session_.OptionsPath(), std::ios::binary).is_open()) {
        session_.prompt.notify(msg::OptionsFileNotFound());
        return;
    }
    if (!options_) options_ = new OptionsWindow(session_, this);
    options_->Reload();
    options_->show();
    options_->raise();
}

void MainWindow::ClockTick() {
    const LocalDateTime now = LocalTimeAt(session_.clock.now(), session_.zone);
    const std::string date = session_.regional.FormatDate({now.day, now.month, now.year});
    setWindowTitle(QString(kCaptionPrefix) + Q(date) + "     " +
                   Q(session_.regional.LongTime(now.hour * 3600L + now.minute * 60L + now.second)));
}

void MainWindow::ShutDown() {
    if (shutDown_) return;
    shutDown_ = true;
    if (input_) input_->CommitEntries();
    Settings& s = session_.settings;
    const QRect inner = geometry();
    s.QuaerynTop = ToTwips(inner.top());
    s.QuaerynLeft = ToTwips(inner.left());
    s.QuaerynHeight = ToTwips(inner.height());
    s.QuaerynWidth = ToTwips(inner.width());
    session_.ShutDown();
    timer1_->stop();
    QApplication::closeAllWindows();
    QApplication::quit();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    ShutDown();
    event->accept();
}

}  // namespace quaeryn::ui
