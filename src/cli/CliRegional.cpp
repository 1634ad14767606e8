#include <langinfo.h>

#include <string>

#include "cli/Cli.h"

namespace quaeryn {

RegionalFormats RegionalFromLocale() {
    RegionalFormats r;
    // The date order from the position of day, month and year in D_FMT.
    std::string d = nl_langinfo(D_FMT);
    auto expand = [](std::string f) {
        std::string out;
        for (std::size_t i = 0; i < f.size(); ++i) {
            if (f[i] == '%' && i + 1 < f.size()) {
                char c = f[i + 1];
                if (c == 'E' || c == 'O') {
                    if (i + 2 < f.size()) c = f[i + 2], ++i;
                }
                if (c == 'D') out += "%m/%d/%y";
                else if (c == 'F') out += "%Y-%m-%d";
                else out += std::string("%") + c;
                ++i;
            } else {
                out += f[i];
            }
        }
        return out;
    };
    d = expand(d);
    auto pos = [&d](std::initializer_list<const char*> keys) {
        std::size_t best = std::string::npos;
        for (const char* k : keys) best = std::min(best, d.find(k));
        return best;
    };
    const auto pd = pos({"%d", "%e"});
    const auto pm = pos({"%m", "%b", "%B", "%h"});
    const auto py = pos({"%y", "%Y", "%C"});
    if (py < pm && py < pd)
        r.iDate = 2;
    else if (pd < pm)
        r.iDate = 1;
    else
        r.iDate = 0;
    // The clock from T_FMT: a 12-hour hour or an AM/PM mark.
    const std::string t = expand(nl_langinfo(T_FMT));
    r.iTime = (t.find("%I") != std::string::npos || t.find("%r") != std::string::npos ||
               t.find("%p") != std::string::npos || t.find("%l") != std::string::npos)
                  ? 0
                  : 1;
    static const nl_item months[12] = {ABMON_1, ABMON_2, ABMON_3, ABMON_4,  ABMON_5,  ABMON_6,
                                       ABMON_7, ABMON_8, ABMON_9, ABMON_10, ABMON_11, ABMON_12};
    for (int i = 0; i < 12; ++i) {
        const std::string m = nl_langinfo(months[i]);
        if (!m.empty()) r.monthNames[static_cast<std::size_t>(i)] = m;
    }
    const std::string am = nl_langinfo(AM_STR);
    const std::string pmText = nl_langinfo(PM_STR);
    if (!am.empty()) r.amDesignator = am;
    if (!pmText.empty()) r.pmDesignator = pmText;
    return r;
}

}  // namespace quaeryn
