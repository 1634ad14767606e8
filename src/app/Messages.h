// Every message box of the program, with its exact title, text and icon.
#pragma once

#include <string>

#include "app/Prompt.h"

namespace quaeryn::msg {

PromptMessage InputError();
PromptMessage LatitudeTooHigh();
PromptMessage CastFailed(const std::string& reason);
PromptMessage BufferFull();
PromptMessage BufferNearlyFull();
PromptMessage DataCleared();
PromptMessage NoDataToWrite();
PromptMessage NoDataToPrint();
PromptMessage DocumentWriteFailed(const std::string& path);
PromptMessage FixedFontMissing();
PromptMessage PrintOutOfMemory();
PromptMessage OptionsFileNotFound();
PromptMessage RestoreDefaultsFailed();
PromptMessage HelpFileMissing(const std::string& file);
PromptMessage HourEmpty();
PromptMessage HourNotNumber();
PromptMessage NoSunrise();
PromptMessage NoSunset();

}  // namespace quaeryn::msg
