// The prompt of the desktop program: a modal QMessageBox with the message's
// title, text, icon and buttons.
#pragma once

#include "base/Prompt.h"

class QWidget;

namespace quaeryn::ui {

class QtPrompt final : public UserPrompt {
public:
    explicit QtPrompt(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    PromptAnswer ask(const PromptMessage& message) override;

private:
    QWidget* parent_;
};

}  // namespace quaeryn::ui
