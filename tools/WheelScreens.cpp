// Screenshots of the Chartwheels window as the desktop program shows it:
// the American and European single wheels and the dual wheel of one cast
// (New York, 5 March 2001, 10.30 A.M., Regiomontanus), each saved as a PNG
// file of the screen's pixels under the window. Run it on a display, such
// as the virtual one of scripts/wheel-screenshots:
//   quaeryn-wheel-screens OUT_DIR
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QScreen>
#include <QTemporaryDir>
#include <cstdio>

#include "app/Session.h"
#include "app/ui/MainWindow.h"
#include "base/AppDirectory.h"
#include "base/Clock.h"
#include "base/ui/QtRegional.h"
#include "wheel/WheelCommands.h"
#include "wheel/ui/WheelWindow.h"

namespace {

// Lets the window system show what was drawn.
void Settle() {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 400) QApplication::processEvents(QEventLoop::AllEvents, 50);
}

bool Shoot(quaeryn::ui::MainWindow& main, const QString& file) {
    auto* wheel = main.findChild<quaeryn::ui::WheelWindow*>("Wheels");
    if (!wheel) return false;
    wheel->move(0, 0);
    Settle();
    const QRect frame = wheel->frameGeometry();
    const QPixmap shot = wheel->screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
    return shot.save(file, "PNG");
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: quaeryn-wheel-screens OUT_DIR\n", stderr);
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);

    QTemporaryDir folder;
    const quaeryn::AppDirectory dir(folder.path().toStdString());
    if (!dir.Seed(QUAERYN_SHIPPED_DATA_DIR)) return 1;
    quaeryn::SilentPrompt prompt;
    quaeryn::SystemClock clock;
    quaeryn::Session session(dir, prompt, clock, quaeryn::SystemZone::Instance());
    session.StartUp(quaeryn::ui::RegionalFromLocale(), quaeryn::ui::LayoutFromScreen());
    quaeryn::ui::MainWindow main(session);
    main.show();
    quaeryn::EventEntries& e = session.entries;
    e.name = "Lost ring";
    e.month = "3";
    e.day = "5";
    e.year = "2001";
    e.hour = "10";
    e.minute = "30";
    e.tz = "5";
    e.longDeg = "73";
    e.longMin = "58";
    e.latDeg = "40";
    e.latMin = "45";
    session.houseCode = "R";
    if (!session.Cast(quaeryn::Session::AfterCast::NoReport)) return 1;

    bool ok = main.trigger(quaeryn::kSingleWheelCommand);
    auto* wheel = main.findChild<quaeryn::ui::WheelWindow*>("Wheels");
    if (!ok || !wheel) return 1;
    wheel->ChooseType(quaeryn::ChartType::American);
    ok = Shoot(main, out + "/wheel-american.png");
    wheel->ChooseType(quaeryn::ChartType::European);
    ok = Shoot(main, out + "/wheel-european.png") && ok;
    ok = main.trigger(quaeryn::kDualWheelCommand) && ok;
    ok = Shoot(main, out + "/wheel-dual.png") && ok;
    std::printf("%s %s/wheel-american.png, wheel-european.png, wheel-dual.png\n", ok ? "Wrote" : "Could not write all of",
                argv[1]);
    return ok ? 0 : 1;
}
