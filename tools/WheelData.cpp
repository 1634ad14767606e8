// Writes the wheel's data files from its geometry: `quaeryn-wheel-data
// radius` prints RADIUS.DAT, `quaeryn-wheel-data labels` prints HCDATA.DAT.
// scripts/make-wheel-data runs it to refresh data/.
#include <cstdio>
#include <string>

#include "wheel/WheelGeometry.h"

int main(int argc, char** argv) {
    const std::string what = argc == 2 ? argv[1] : "";
    std::string text;
    if (what == "radius")
        text = quaeryn::RadiusDataText();
    else if (what == "labels")
        text = quaeryn::CuspLabelDataText();
    else {
        std::fputs("usage: quaeryn-wheel-data radius|labels\n", stderr);
        return 2;
    }
    std::fwrite(text.data(), 1, text.size(), stdout);
    return 0;
}
