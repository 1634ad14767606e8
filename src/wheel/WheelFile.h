// The wheel as a file: SVG, PNG or PDF, chosen by the file's ending, drawn
// in the frame of the default window (the default scale, 225 units above
// and below the centre) whatever window the user has open. The wheel
// window's "Export…" and quaeryn-cli --wheel write the same drawing.
//
// The drawing description is made here; the file is written by the
// wheel's painter (wheel/ui/WheelFileWriter.cpp), which a build with Qt
// links into the programs. A build without Qt links the stand-in of the
// command line instead, which writes nothing and says why.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "base/ChartState.h"
#include "base/Options.h"
#include "base/RegionalFormats.h"
#include "wheel/WheelDrawing.h"
#include "wheel/WheelTables.h"

namespace quaeryn {

enum class WheelFileFormat { Svg, Png, Pdf };

// The format of a file name's ending (".svg", ".png", ".pdf", in any case);
// nothing for another ending or none.
std::optional<WheelFileFormat> WheelFileFormatOf(const std::filesystem::path& file);

// The picture's width in pixels unless asked otherwise, and the widths a
// picture may have.
inline constexpr int kWheelFilePixels = 1200;
inline constexpr int kWheelFileMinPixels = 100;
inline constexpr int kWheelFileMaxPixels = 10000;
// The height of a picture of that width: the default window's shape.
int WheelFileHeight(int widthPixels);

// The drawing a file holds: the chart's wheel of the given mode and type,
// with its title block (and the dual wheel's second block), in the frame of
// the default window.
WheelDrawing WheelFileDrawing(const ChartState& chart, WheelMode mode, ChartType type, const Options& options,
                              const WheelTables& tables, const RegionalFormats& regional);

struct WheelFileResult {
    bool written = false;
    std::string error;              // why nothing was written
    bool glyphFontMissing = false;  // no installed font has the symbols
};

// Writes the drawing to the file in the format: SVG keeps its texts as
// text, PNG is `widthPixels` wide, a PDF page has the picture's shape at 96
// pixels an inch. Without a running Qt application the painter starts one
// on the offscreen platform for the time of the call, so it needs no
// display. Defined by the painter, or by the stand-in of a build without Qt.
WheelFileResult WriteWheelFile(const WheelDrawing& drawing, const std::filesystem::path& file,
                               WheelFileFormat format, int widthPixels = kWheelFilePixels);

// False in a build without the painter.
bool WheelPainterBuilt();

}  // namespace quaeryn
