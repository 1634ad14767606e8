#include "wheel/WheelFile.h"

#include <cctype>
#include <cmath>

namespace quaeryn {

std::optional<WheelFileFormat> WheelFileFormatOf(const std::filesystem::path& file) {
    std::string ending = file.extension().string();
    for (char& c : ending) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (ending == ".svg") return WheelFileFormat::Svg;
    if (ending == ".png") return WheelFileFormat::Png;
    if (ending == ".pdf") return WheelFileFormat::Pdf;
    return std::nullopt;
}

int WheelFileHeight(int widthPixels) {
    return static_cast<int>(std::lround(widthPixels * kFrameHalfHeight / kFrameHalfWidth));
}

WheelDrawing WheelFileDrawing(const ChartState& chart, WheelMode mode, ChartType type, const Options& options,
                              const WheelTables& tables, const RegionalFormats& regional) {
    WheelRequest request;
    request.mode = mode;
    request.type = type;
    request.startScale = kFrameHalfWidth;
    request.heightToWidth = kFrameHalfHeight / kFrameHalfWidth;
    request.header = FillWheelHeader(chart, regional);
    request.subHeader = FillWheelSubHeader(mode);
    return DrawWheel(chart, request, options, tables);
}

}  // namespace quaeryn
