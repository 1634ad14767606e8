// The desktop program: the data folder, the start-up sequence, the windows.
#include <QApplication>
#include <QStandardPaths>
#include <cstdlib>
#include <filesystem>

#include "app/Session.h"
#include "app/ui/AboutWindow.h"
#include "app/ui/MainWindow.h"
#include "base/AppDirectory.h"
#include "base/Clock.h"
#include "base/Messages.h"
#include "base/ui/QtPrompt.h"
#include "base/ui/QtRegional.h"
#include "place/ComputerZone.h"

namespace {

std::filesystem::path ProgramPath(const char* argv0) {
    std::error_code ec;
    auto p = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path(argv0) : p;
}

void PrintUsage() {
    std::fputs("Usage: quaeryn [--app-dir DIR] [--no-splash]\n"
               "  --app-dir DIR  the data folder (default: $QUAERYN_HOME, else the per-user data folder)\n"
               "  --no-splash    start without the About window\n",
               stdout);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quaeryn");
    QApplication::setApplicationVersion("5.00");

    std::filesystem::path appDir;
    bool splash = true;
    const QStringList args = QApplication::arguments();
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (args[i] == "--no-splash") {
            splash = false;
        } else if (args[i] == "--app-dir" && i + 1 < args.size()) {
            appDir = args[++i].toStdString();
        } else if (args[i].startsWith("--app-dir=")) {
            appDir = args[i].mid(10).toStdString();
        } else if (args[i] == "-h" || args[i] == "--help") {
            PrintUsage();
            return 0;
        } else {
            std::fprintf(stderr, "quaeryn: unknown argument '%s'\n", args[i].toLocal8Bit().constData());
            PrintUsage();
            return 1;
        }
    }
    if (appDir.empty()) {
        if (const char* home = std::getenv("QUAERYN_HOME"); home && *home)
            appDir = home;
        else
            appDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString();
    }

    // The data folder, filled with the shipped files it lacks.
    quaeryn::ui::QtPrompt prompt;
    const quaeryn::AppDirectory dir(appDir);
    if (!dir.Seed(quaeryn::ShippedDataDir(ProgramPath(argv[0])))) {
        prompt.notify(quaeryn::msg::DataFolderUnusable(appDir.string()));
        return 1;
    }

    // "NOW" reads the clock in the computer's zone, through the same
    // time-zone database as the place search.
    quaeryn::SystemClock clock;
    quaeryn::Session session(dir, prompt, clock, quaeryn::ComputerZone::Instance());

    // The About window first; start-up goes on when it is closed.
    if (splash) {
        quaeryn::ui::AboutWindow about;
        about.exec();
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    session.StartUp(quaeryn::ui::RegionalFromLocale(), quaeryn::ui::LayoutFromScreen());
    quaeryn::ui::MainWindow window(session);
    prompt.setParent(&window);
    window.ShowStartWindows();
    QApplication::restoreOverrideCursor();
    return app.exec();
}
