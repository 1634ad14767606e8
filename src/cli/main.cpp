#include <clocale>
#include <iostream>
#include <string>
#include <vector>

#include "cli/Cli.h"

int main(int argc, char** argv) {
    std::setlocale(LC_TIME, "");
    std::vector<std::string> args(argv + 1, argv + argc);
    quaeryn::StreamPrompt prompt(std::cerr);
    for (const auto& a : args)
        if (a == "--replace") prompt.setYesNoAnswer(quaeryn::PromptAnswer::Yes);
    return quaeryn::runCli(args, std::cout, std::cerr, prompt);
}
