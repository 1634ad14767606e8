// A desktop session on a temporary data folder seeded from the shipped
// files, with a scripted prompt, a fixed clock and file dialogs that answer
// from the test.
#pragma once

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <memory>
#include <unistd.h>

#include "app/Session.h"
#include "app/ui/MainWindow.h"
#include "app/ui/UiCommon.h"
#include "support/FixedClock.h"
#include "support/ScriptedPrompt.h"

namespace quaeryn::test {

namespace fs = std::filesystem;

class TempDataFolder {
public:
    TempDataFolder() {
        static std::atomic<int> counter{0};
        path_ = fs::temp_directory_path() /
                ("quaeryn-gui-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        fs::remove_all(path_);
        AppDirectory(path_).Seed(QUAERYN_SHIPPED_DATA_DIR);
    }
    ~TempDataFolder() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    const fs::path& path() const { return path_; }
    void Write(const std::string& name, const std::string& bytes) const {
        std::ofstream(path_ / name, std::ios::binary) << bytes;
    }

private:
    fs::path path_;
};

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
    TempDataFolder folder;
    ScriptedPrompt prompt;
    FixedClock clock{LocalDateTime{2026, 12, 6, 21, 14, 5}};
    std::unique_ptr<Session> session;
    std::unique_ptr<ui::MainWindow> window;
    QString savePath;          // what the save dialog answers
    QString openPath;          // what the open dialog answers
    QStringList dialogCalls;   // "caption|proposed|filter" of each dialog
    ui::FileDialogs savedDialogs;  // the real choosers, put back at the end

    explicit GuiSession(int iTime = 0) : savedDialogs(ui::Dialogs()) {
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
        session = std::make_unique<Session>(AppDirectory(folder.path()), prompt, clock);
        RegionalFormats regional;
        regional.iTime = iTime;
        session->StartUp(regional, ChooseLayout(1024, 15));
        window = std::make_unique<ui::MainWindow>(*session);
        window->ShowStartWindows();
    }

    ~GuiSession() {
        window.reset();
        ui::Dialogs() = savedDialogs;
    }

    // Good entries for a chart: New York, 5 March 2001, 10:30 AM.
    void FillGoodEntries(const QString& name = "John Smith");
};

}  // namespace quaeryn::test
