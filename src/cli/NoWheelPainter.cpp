// The stand-in for the wheel's painter in a build without Qt: the wheel's
// pictures are drawn by Qt, so such a build writes none.
#include "wheel/WheelFile.h"

namespace quaeryn {

WheelFileResult WriteWheelFile(const WheelDrawing&, const std::filesystem::path&, WheelFileFormat, int) {
    return WheelFileResult{false, "this build has no wheel painter (it was built without Qt)", false};
}

bool WheelPainterBuilt() { return false; }

}  // namespace quaeryn
