// Layout constants chosen at start from the screen width.
#pragma once

namespace quaeryn {

struct LayoutConstants {
    int screenClassWidth = 1024;  // 640, 800 or 1024
    int screenClassHeight = 768;
    int wheelWidthTwips = 14050;
    int wheelHeightTwips = 11505;
    double screenFactor = 1.5;
    // The Data window's font step: half the screen factor.
    double FontStep() const { return screenFactor / 2.0; }
};

// From the screen width in pixels and the twips per pixel.
LayoutConstants ChooseLayout(int screenWidthPixels, int twipsPerPixel);

}  // namespace quaeryn
