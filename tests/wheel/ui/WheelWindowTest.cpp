// The Chartwheels window in the desktop program: opened by "&Wheel" and
// "D&ual Wheel" on the chart cast last, its menus and their visibility, the
// chart type kept in the settings, the scale that follows the window's
// size, the focus handed back to the main window, the ASCII chart and the
// help text in the Data window, printing and export.
#include <QAction>
#include <QImage>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPrinterInfo>
#include <gtest/gtest.h>

#include <variant>

#include "app/ui/DataWindow.h"
#include "base/TextFile.h"
#include "base/Zodiac.h"
#include "support/ui/GuiSession.h"
#include "wheel/WheelCommands.h"
#include "wheel/WheelFile.h"
#include "wheel/WheelPlacement.h"
#include "wheel/ui/WheelPainter.h"
#include "wheel/ui/WheelWindow.h"

namespace quaeryn {
namespace {

using test::GuiSession;
using ui::WheelWindow;
namespace fs = std::filesystem;

QStringList Texts(const QList<QAction*>& actions, bool visibleOnly = false) {
    QStringList texts;
    for (const QAction* a : actions)
        if (!visibleOnly || a->isVisible()) texts << (a->isSeparator() ? "-" : a->text());
    return texts;
}

std::vector<WheelWindow*> WheelWindows(GuiSession& g) {
    const auto found = g.window->findChildren<WheelWindow*>(Qt::FindDirectChildrenOnly);
    return {found.begin(), found.end()};
}

// A session with a cast chart and the wheel of `command` open.
WheelWindow* Open(GuiSession& g, const char* command) {
    if (!g.session->chart) {
        g.FillGoodEntries();
        if (!g.window->CastFromEntries()) return nullptr;
    }
    if (!g.window->trigger(command)) return nullptr;
    const auto open = WheelWindows(g);
    return open.size() == 1 ? open.front() : nullptr;
}

std::vector<WheelLine> Spokes(const WheelDrawing& d) {
    std::vector<WheelLine> spokes;
    for (const auto& item : d.items)
        if (const auto* l = std::get_if<WheelLine>(&item); l && l->role == LineRole::Spoke) spokes.push_back(*l);
    return spokes;
}

std::string Bytes(const fs::path& file) { return ReadWholeFile(file).value_or(""); }

TEST(WheelWindow, TheWheelCommandsOpenOneWindowAndTheDualWheelHasNoAsciiOrType) {
    GuiSession g;
    // Hidden until a chart is cast.
    EXPECT_FALSE(g.window->action(kSingleWheelCommand)->isVisible());
    EXPECT_FALSE(g.window->trigger(kSingleWheelCommand) && !WheelWindows(g).empty());

    WheelWindow* single = Open(g, kSingleWheelCommand);
    ASSERT_NE(single, nullptr);
    EXPECT_TRUE(g.window->action(kSingleWheelCommand)->isEnabled());
    EXPECT_EQ(single->windowTitle(), "Quaeryn - Version 5.00 - Chartwheels");
    EXPECT_EQ(single->objectName(), "Wheels");
    EXPECT_TRUE(single->isVisible());
    EXPECT_EQ(single->mode(), WheelMode::Single);
    EXPECT_EQ(Texts(single->menuBar()->actions(), true),
              (QStringList{"AS&CII", "&Type", "&Print", "Export\u2026", "&Help"}));
    EXPECT_EQ(Texts(single->action("mnuChartType")->menu()->actions()), (QStringList{"&American", "&European"}));
    EXPECT_TRUE(single->action("mnuCTAmerican")->isChecked());
    EXPECT_FALSE(single->action("mnuCTEuropean")->isChecked());
    EXPECT_FALSE(single->glyphFamily().isEmpty());

    // Each command closes the open wheel and shows a new one (Open finds
    // exactly one).
    WheelWindow* dual = Open(g, kDualWheelCommand);
    ASSERT_NE(dual, nullptr);
    EXPECT_EQ(dual->mode(), WheelMode::Dual);
    EXPECT_EQ(Texts(dual->menuBar()->actions(), true), (QStringList{"&Print", "Export\u2026", "&Help"}));
    EXPECT_FALSE(dual->action("mnuAsciiChart")->isVisible());
    EXPECT_FALSE(dual->action("mnuChartType")->isVisible());
    const WheelDrawing d = dual->CurrentDrawing();
    EXPECT_EQ(d.subHeader[7], "Inner = Natal Solstice Points");
    EXPECT_EQ(d.header[1], "John Smith");

    // "&Input" closes it: the chart is about to change.
    ASSERT_TRUE(g.window->trigger("mnuInputData"));
    for (const WheelWindow* w : WheelWindows(g)) EXPECT_FALSE(w->isVisible());
}

TEST(WheelWindow, TheTypeSwitchMovesTheCheckAndIsKeptInTheSettings) {
    GuiSession g;
    WheelWindow* wheel = Open(g, kSingleWheelCommand);
    ASSERT_NE(wheel, nullptr);
    const CuspTable& cusp = g.session->chart->ChartCusp;
    // American: equal sectors.
    auto spokes = Spokes(wheel->CurrentDrawing());
    ASSERT_EQ(spokes.size(), 12u);
    EXPECT_NEAR(std::atan2(spokes[3].to.y, spokes[3].to.x) * 180 / std::numbers::pi, 90, 1e-9);

    wheel->action("mnuCTEuropean")->trigger();
    EXPECT_EQ(wheel->chartType(), ChartType::European);
    EXPECT_TRUE(wheel->action("mnuCTEuropean")->isChecked());
    EXPECT_FALSE(wheel->action("mnuCTAmerican")->isChecked());
    EXPECT_EQ(g.session->settings.TypeChart, 1);
    // European: the spokes at the cusps, the Ascendant's on the left.
    spokes = Spokes(wheel->CurrentDrawing());
    ASSERT_EQ(spokes.size(), 12u);
    for (int h = 1; h <= 12; ++h) {
        const auto& s = spokes[static_cast<std::size_t>(h - 1)];
        const double a = Normalize360(std::atan2(s.to.y, s.to.x) * 180 / std::numbers::pi);
        EXPECT_NEAR(std::remainder(a - EuropeanSpokeAngle(cusp, h), 360.0), 0, 1e-9) << h;
    }
    EXPECT_NEAR(spokes[0].to.y, 0, 1e-9);
    EXPECT_LT(spokes[0].to.x, 0);

    // The next wheel opens European, and the settings file keeps it.
    wheel = Open(g, kSingleWheelCommand);
    ASSERT_NE(wheel, nullptr);
    EXPECT_TRUE(wheel->action("mnuCTEuropean")->isChecked());
    ASSERT_TRUE(g.session->ShutDown());
    EXPECT_NE(Bytes(g.folder / "Quaeryn.ini").find("TypeChart= 1\r\n"), std::string::npos) << Bytes(g.folder / "Quaeryn.ini");
    wheel->action("mnuCTAmerican")->trigger();
    EXPECT_EQ(g.session->settings.TypeChart, 0);
}

TEST(WheelWindow, ResizingSetsTheStartScaleTheDrawingUses) {
    GuiSession g;
    WheelWindow* wheel = Open(g, kSingleWheelCommand);
    ASSERT_NE(wheel, nullptr);
    struct Case {
        int width, height, startScale;
    } cases[] = {{800, 600, 300}, {900, 450, 450}, {500, 700, 244}, {600, 600, 225}};
    for (const auto& c : cases) {
        wheel->view()->resize(c.width, c.height);
        EXPECT_EQ(g.session->settings.StartScale, c.startScale) << c.width << "x" << c.height;
        const WheelDrawing d = wheel->CurrentDrawing();
        // At least 249 units each side, for the labels of the horizontal
        // spokes; square units, the height following the window's shape.
        const double half = std::max(c.startScale, 249);
        EXPECT_DOUBLE_EQ(d.xMax, half);
        EXPECT_NEAR(d.yMax, half * c.height / static_cast<double>(c.width), 1e-9);
    }
    // The window paints the wheel.
    const QImage shot = wheel->view()->grab().toImage();
    int dark = 0;
    for (int y = 0; y < shot.height(); y += 2)
        for (int x = 0; x < shot.width(); x += 2) dark += qGray(shot.pixel(x, y)) < 128;
    EXPECT_GT(dark, 500);
}

TEST(WheelWindow, EscapeAndTheRightMouseButtonHandTheFocusToTheMainWindow) {
    GuiSession g;
    WheelWindow* wheel = Open(g, kSingleWheelCommand);
    ASSERT_NE(wheel, nullptr);
    int handed = 0;
    wheel->focusMainWindow = [&handed] { ++handed; };
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(wheel->view(), &escape);
    EXPECT_EQ(handed, 1);
    QKeyEvent letter(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
    QCoreApplication::sendEvent(wheel->view(), &letter);
    EXPECT_EQ(handed, 1);
    const QPointF at(100, 100);
    QMouseEvent left(QEvent::MouseButtonRelease, at, wheel->view()->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(wheel->view(), &left);
    EXPECT_EQ(handed, 1);
    QMouseEvent right(QEvent::MouseButtonRelease, at, wheel->view()->mapToGlobal(at), Qt::RightButton, Qt::NoButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(wheel->view(), &right);
    EXPECT_EQ(handed, 2);
}

TEST(WheelWindow, AsciiAndHelpWriteIntoTheDataWindow) {
    GuiSession g;
    WheelWindow* wheel = Open(g, kSingleWheelCommand);
    ASSERT_NE(wheel, nullptr);
    wheel->action("mnuAsciiChart")->trigger();
    const ReportBuffer& buffer = g.session->buffer;
    ASSERT_EQ(buffer.PageLineCount(), 34);  // a blank line, 7 header lines, 25 rows, the page's blank line
    EXPECT_EQ(buffer.PageBuffer()[1], "     John Smith");
    EXPECT_EQ(buffer.PageBuffer()[8].size(), 79u);
    EXPECT_TRUE(g.window->dataWindow()->isVisible());

    wheel->action("mnuHelp")->trigger();
    EXPECT_EQ(g.session->HelpFileName, "WHEELS.HLP");
    EXPECT_EQ(buffer.PageBuffer()[0], "THE CHARTWHEELS WINDOW");
}

TEST(WheelWindow, PrintAsksFullOrHalfPageAndGoesToAChosenPdfWithoutAPrinter) {
    GuiSession g;
    WheelWindow* wheel = Open(g, kSingleWheelCommand);
    ASSERT_NE(wheel, nullptr);
    wheel->hasPrinter = [] { return false; };

    // Cancel: nothing is printed and no file is asked for.
    g.prompt.expect("wheel-print-size", PromptAnswer::Cancel);
    wheel->action("mnuPrintChartwheel")->trigger();
    EXPECT_TRUE(g.dialogCalls.isEmpty());
    ASSERT_TRUE(g.prompt.done());
    const PromptMessage& asked = g.prompt.seen().back();
    EXPECT_EQ(asked.title, "Full page or half page chartwheel");
    EXPECT_EQ(asked.text, "Click 'YES' for full page chartwheel. Click 'NO' for half page chartwheel.");
    EXPECT_EQ(asked.buttons, PromptButtons::YesNoCancel);
    EXPECT_EQ(asked.icon, PromptIcon::Question);

    for (const auto& [answer, name] : {std::pair{PromptAnswer::Yes, "full.pdf"}, std::pair{PromptAnswer::No, "half.pdf"}}) {
        g.prompt.expect("wheel-print-size", answer);
        g.savePath = QString::fromStdString((g.folder / name).string());
        wheel->action("mnuPrintChartwheel")->trigger();
        EXPECT_EQ(Bytes(g.folder / name).substr(0, 5), "%PDF-") << name;
    }
    ASSERT_EQ(g.dialogCalls.size(), 2);
    EXPECT_EQ(g.dialogCalls[0],
              "Print to PDF|" + QString::fromStdString((g.folder / "WHEEL.pdf").string()) + "|PDF Files (*.pdf)");

    // The full page at the printer's scale; the half page as the window
    // shows it, in print colours whatever the options say.
    g.session->options.Set(100, 1);
    g.session->options.Set(102, 4);
    const WheelDrawing full = wheel->PrintDrawing(true, 1.4);
    EXPECT_DOUBLE_EQ(full.xMax, 265);
    EXPECT_DOUBLE_EQ(full.yMax, 265 * 1.4);
    EXPECT_EQ(full.background, PaletteColour(1));
    wheel->action("mnuCTEuropean")->trigger();
    EXPECT_DOUBLE_EQ(wheel->PrintDrawing(true, 1.4).xMax, 272);
    const WheelDrawing half = wheel->PrintDrawing(false, 1.4);
    EXPECT_DOUBLE_EQ(half.xMax, g.session->settings.StartScale);
    EXPECT_EQ(half.background, PaletteColour(15));
    for (const auto& s : Spokes(half)) EXPECT_EQ(s.colour, PaletteColour(0));
}

TEST(WheelWindow, ExportWritesTheFormatOfTheChosenEnding) {
    GuiSession g;
    WheelWindow* wheel = Open(g, kSingleWheelCommand);
    ASSERT_NE(wheel, nullptr);
    int asked = 0;
    int pixels = 500;
    wheel->choosePixels = [&](QWidget*, int proposed) {
        ++asked;
        EXPECT_EQ(proposed, kWheelFilePixels);
        return pixels;
    };
    g.savePath = QString::fromStdString((g.folder / "w.svg").string());
    wheel->action("mnuExport")->trigger();
    EXPECT_NE(Bytes(g.folder / "w.svg").find("John Smith"), std::string::npos);
    EXPECT_EQ(asked, 0);
    ASSERT_EQ(g.dialogCalls.size(), 1);
    EXPECT_TRUE(g.dialogCalls[0].startsWith("Export|")) << g.dialogCalls[0].toStdString();

    g.savePath = QString::fromStdString((g.folder / "w.png").string());
    wheel->action("mnuExport")->trigger();
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(QImage(g.savePath).size(), QSize(500, WheelFileHeight(500)));
    pixels = 0;  // the size box cancelled
    g.savePath = QString::fromStdString((g.folder / "cancelled.png").string());
    wheel->action("mnuExport")->trigger();
    EXPECT_FALSE(fs::exists(g.folder / "cancelled.png"));

    g.savePath = QString::fromStdString((g.folder / "w.pdf").string());
    wheel->action("mnuExport")->trigger();
    EXPECT_EQ(Bytes(g.folder / "w.pdf").substr(0, 5), "%PDF-");

    g.prompt.expect("wheel-export-ending");
    g.savePath = QString::fromStdString((g.folder / "w.gif").string());
    wheel->action("mnuExport")->trigger();
    EXPECT_FALSE(fs::exists(g.folder / "w.gif"));
}

TEST(WheelWindow, WithoutAFontOfTheSymbolsTheWarningComesAndTheWheelIsDrawn) {
    GuiSession g;
    const auto installed = ui::InstalledFontFamilies();
    ui::InstalledFontFamilies() = [] { return QStringList{"DejaVu Serif"}; };
    g.prompt.expect("glyph-font-missing");
    WheelWindow* wheel = Open(g, kSingleWheelCommand);
    ui::InstalledFontFamilies() = installed;
    ASSERT_NE(wheel, nullptr);
    EXPECT_TRUE(wheel->glyphFamily().isEmpty());
    EXPECT_EQ(g.prompt.seen().back().text, "You do not have a proper font installed.");
    EXPECT_EQ(g.prompt.seen().back().title, "Warning!");
    EXPECT_FALSE(Spokes(wheel->CurrentDrawing()).empty());
    // With the font back, the next wheel says nothing.
    wheel = Open(g, kDualWheelCommand);
    ASSERT_NE(wheel, nullptr);
    EXPECT_FALSE(wheel->glyphFamily().isEmpty());
}

}  // namespace
}  // namespace quaeryn
