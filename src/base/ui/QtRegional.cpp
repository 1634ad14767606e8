#include "base/ui/QtRegional.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

#include "base/ui/UiCommon.h"

namespace quaeryn::ui {

RegionalFormats RegionalFromLocale(const QLocale& locale) {
    RegionalFormats r;
    const QString date = locale.dateFormat(QLocale::ShortFormat);
    const qsizetype d = date.indexOf('d'), m = date.indexOf('M'), y = date.indexOf('y');
    if (y >= 0 && (m < 0 || y < m) && (d < 0 || y < d))
        r.iDate = 2;
    else if (d >= 0 && m >= 0 && d < m)
        r.iDate = 1;
    else
        r.iDate = 0;
    const QString time = locale.timeFormat(QLocale::LongFormat);
    r.iTime = (time.contains("AP") || time.contains("ap") || time.contains("A") || time.contains("a")) ? 0 : 1;
    for (int i = 0; i < 12; ++i) {
        const QString name = locale.monthName(i + 1, QLocale::ShortFormat);
        if (!name.isEmpty()) r.monthNames[static_cast<std::size_t>(i)] = S(name);
    }
    if (!locale.amText().isEmpty()) r.amDesignator = S(locale.amText());
    if (!locale.pmText().isEmpty()) r.pmDesignator = S(locale.pmText());
    return r;
}

LayoutConstants LayoutFromScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return ChooseLayout(1024, kTwipsPerPixel);
    const double dpi = screen->logicalDotsPerInch();
    const int twipsPerPixel = dpi > 0 ? static_cast<int>(std::lround(1440.0 / dpi)) : kTwipsPerPixel;
    return ChooseLayout(screen->geometry().width(), twipsPerPixel);
}

}  // namespace quaeryn::ui
