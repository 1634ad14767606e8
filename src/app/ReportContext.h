// What a report reads besides the chart: the options, the data files, the
// regional formats and the prompt.
#pragma once

#include "app/AppData.h"
#include "app/Options.h"
#include "app/Prompt.h"
#include "entry/RegionalFormats.h"

namespace quaeryn {

struct ReportContext {
    const Options& options;
    const AppData& data;
    const RegionalFormats& regional;
    UserPrompt& prompt;
};

}  // namespace quaeryn
