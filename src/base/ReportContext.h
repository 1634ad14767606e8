// What a report reads besides the chart: the options, the data files, the
// regional formats and the prompt.
#pragma once

#include "base/AppData.h"
#include "base/Options.h"
#include "base/Prompt.h"
#include "base/RegionalFormats.h"

namespace quaeryn {

struct ReportContext {
    const Options& options;
    const AppData& data;
    const RegionalFormats& regional;
    UserPrompt& prompt;
};

}  // namespace quaeryn
