// The About window shown at start: the program's name, its version and a
// pointer to the revision history.
#pragma once

#include <QDialog>

namespace quaeryn::ui {

class AboutWindow : public QDialog {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget* parent = nullptr);
};

}  // namespace quaeryn::ui
