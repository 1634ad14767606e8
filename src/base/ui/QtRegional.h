// The user's regional formats and screen layout, taken from Qt.
#pragma once

#include <QLocale>

#include "base/Layout.h"
#include "base/RegionalFormats.h"

namespace quaeryn::ui {

// Date order from the short date format, 12/24-hour clock from the time
// format (an "AP" or "ap" marks the 12-hour clock), the month
// abbreviations and the AM/PM designators of the locale.
RegionalFormats RegionalFromLocale(const QLocale& locale = QLocale());

// The layout constants of the primary screen (15 twips to a pixel at
// 96 dots per inch).
LayoutConstants LayoutFromScreen();

}  // namespace quaeryn::ui
