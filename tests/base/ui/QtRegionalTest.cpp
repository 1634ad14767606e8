#include <gtest/gtest.h>

#include "base/ui/QtRegional.h"

namespace quaeryn::test {
namespace {

TEST(QtRegional, DateOrderAndClockComeFromTheLocale) {
    struct Case {
        QLocale::Language language;
        QLocale::Territory territory;
        int iDate;
        int iTime;
        const char* january;
    } cases[] = {
        {QLocale::English, QLocale::UnitedStates, 0, 0, "Jan"},
        {QLocale::English, QLocale::UnitedKingdom, 1, 1, "Jan"},
        {QLocale::German, QLocale::Germany, 1, 1, "Jan."},
        {QLocale::Hungarian, QLocale::Hungary, 2, 1, nullptr},
        {QLocale::Swedish, QLocale::Sweden, 2, 1, nullptr},
    };
    for (const auto& c : cases) {
        const QLocale locale(c.language, c.territory);
        SCOPED_TRACE(locale.name().toStdString() + " " + locale.dateFormat(QLocale::ShortFormat).toStdString() +
                     " " + locale.timeFormat(QLocale::LongFormat).toStdString());
        const RegionalFormats r = ui::RegionalFromLocale(locale);
        EXPECT_EQ(r.iDate, c.iDate);
        EXPECT_EQ(r.iTime, c.iTime);
        if (c.january) {
            EXPECT_EQ(r.monthNames[0], c.january);
        }
        EXPECT_FALSE(r.monthNames[11].empty());
    }
}

}  // namespace
}  // namespace quaeryn::test
