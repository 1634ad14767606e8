#include "base/Layout.h"

namespace quaeryn {

LayoutConstants ChooseLayout(int screenWidthPixels, int twipsPerPixel) {
    if (screenWidthPixels == 640) return {640, 480, 8490, 7200, 1.5};
    if (screenWidthPixels == 800) {
        if (twipsPerPixel == 12) return {800, 600, 8400, 7200, 1.2};
        return {800, 600, 10725, 8940, 1.5};
    }
    if (twipsPerPixel == 15) return {1024, 768, 14050, 11505, 1.5};
    return {1024, 768, 10970, 9204, 1.2};
}

}  // namespace quaeryn
