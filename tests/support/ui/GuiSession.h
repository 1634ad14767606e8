// A desktop session on a temporary data folder seeded from the shipped
// files, with a scripted prompt, a fixed clock and file dialogs that answer
// from the test.
#pragma once

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <filesystem>
#include <memory>

#include "app/Session.h"
#include "app/ui/MainWindow.h"
#include "base/ui/UiCommon.h"
#include "entry/ui/InputDataWindow.h"
#include "support/FixedClock.h"
#include "support/ScriptedPrompt.h"
#include "support/TempFolder.h"

namespace quaeryn::test {

namespace fs = std::filesystem;

// Types text into a widget key by key, through its key filters.
inline void Type(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        const int key = c.toUpper().unicode();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(widget, &release);
    }
}

inline void PressBackspace(QWidget* widget) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
}

struct GuiSession {
    TempFolder folder;
    ScriptedPrompt prompt;
    FixedClock clock{LocalDateTime{2026, 12, 6, 21, 14, 5}};
    FixedZone zone;  // a computer on universal time
    // Another computer's zone than `zone` (set before Start).
    const ZoneSource* computerZone = nullptr;
    std::unique_ptr<Session> session;
    std::unique_ptr<ui::MainWindow> window;
    QString savePath;          // what the save dialog answers
    QString openPath;          // what the open dialog answers
    QStringList dialogCalls;   // "caption|proposed|filter" of each dialog
    ui::FileDialogs savedDialogs;  // the real choosers, put back at the end
    // Another registry and other window openers than the build's (set
    // before Start).
    const CommandRegistry* commands = nullptr;
    const ui::WindowOpeners* openers = nullptr;

    explicit GuiSession(int iTime = 0, const CommandRegistry* registry = nullptr,
                        const ui::WindowOpeners* windowOpeners = nullptr)
        : savedDialogs(ui::Dialogs()), commands(registry), openers(windowOpeners) {
        folder.SeedShippedData();
        ui::Dialogs().save = [this](QWidget*, const QString& caption, const QString& proposed,
                                    const QString& filter) {
            dialogCalls << caption + "|" + proposed + "|" + filter;
            return savePath;
        };
        ui::Dialogs().open = [this](QWidget*, const QString& caption, const QString& proposed,
                                    const QString& filter) {
            dialogCalls << caption + "|" + proposed + "|" + filter;
            return openPath;
        };
        Start(iTime);
    }

    void Start(int iTime = 0) {
        window.reset();
        session = std::make_unique<Session>(AppDirectory(folder.path()), prompt, clock,
                                            computerZone ? *computerZone : zone,
                                            commands ? *commands : AppCommands());
        RegionalFormats regional;
        regional.iTime = iTime;
        session->StartUp(regional, ChooseLayout(1024, 15));
        window = std::make_unique<ui::MainWindow>(*session, openers ? *openers : ui::AppWindowOpeners());
        window->ShowStartWindows();
    }

    ~GuiSession() {
        window.reset();
        ui::Dialogs() = savedDialogs;
    }

    // Good entries for a chart: New York, 5 March 2001, 10:30 AM.
    void FillGoodEntries(const QString& name = "John Smith") {
        ui::InputDataWindow* w = window->inputWindow();
        w->txtName->setText(name);
        w->txtMonth->setText("3");
        w->txtDay->setText("5");
        w->txtYear->setText("2001");
        w->txtBirthHour->setText("10");
        w->txtBirthMinute->setText("30");
        w->optAM->setChecked(true);
        w->optWest->setChecked(true);
        w->txtTZ->setText("5");
        w->txtLongDeg->setText("73");
        w->txtLongMin->setText("58");
        w->txtLatDeg->setText("40");
        w->txtLatMin->setText("45");
        w->optNorth->setChecked(true);
    }
};

}  // namespace quaeryn::test
