// What the reference windows need of a running program, on a temporary data
// folder: the window context with a scripted prompt, a fixed clock and a
// report buffer whose shown pages are counted.
#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

#include "base/ui/WindowContext.h"
#include "support/FixedClock.h"
#include "support/ScriptedPrompt.h"
#include "support/TempFolder.h"

namespace quaeryn::test {

struct ReferenceWindowFixture {
    TempFolder folder;
    ScriptedPrompt prompt;
    FixedClock clock{LocalDateTime{2026, 12, 6, 21, 14, 5}};
    FixedZone zone;
    AppDirectory dir{folder.path()};
    AppData data;
    Options options;
    Settings settings = DefaultSettings(folder.path());
    RegionalFormats regional;
    LayoutConstants layout;
    std::filesystem::path nameFile = folder / "Horary.fil";
    std::optional<ChartState> chart;
    ReportBuffer buffer{prompt};
    int pagesShown = 0;

    ui::WindowContext context() {
        return ui::WindowContext{dir,
                                 data,
                                 options,
                                 settings,
                                 regional,
                                 layout,
                                 prompt,
                                 clock,
                                 zone,
                                 nameFile,
                                 chart,
                                 buffer,
                                 [this] {
                                     if (buffer.ShowDataWindow()) ++pagesShown;
                                 },
                                 [](const std::string&) { return false; },
                                 [](const std::string&) {}};
    }
};

// The bevel around a control, read from the window's picture: grey one
// pixel left of and above it, white one pixel right of and below it.
inline bool HasSunkenBorder(const QImage& picture, const QWidget* control) {
    const QRect r = control->geometry();
    const int midY = r.center().y(), midX = r.center().x();
    const QColor grey(128, 128, 128), white(Qt::white);
    return picture.pixelColor(r.left() - 1, midY) == grey && picture.pixelColor(midX, r.top() - 1) == grey &&
           picture.pixelColor(r.right() + 1, midY) == white && picture.pixelColor(midX, r.bottom() + 1) == white;
}

}  // namespace quaeryn::test
