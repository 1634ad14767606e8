// "Keywords": a static card of forty-six topics in a fixed-pitch grid; a
// click on a topic shows its text in a message box.
#pragma once

#include <QWidget>

#include "base/ui/WindowContext.h"

class QLabel;
class QTableWidget;

namespace quaeryn::ui {

class KeywordsWindow : public QWidget {
    Q_OBJECT
public:
    explicit KeywordsWindow(const WindowContext& context, QWidget* parent = nullptr);

    // A click on the cell (row and column from 0): its topic's message box;
    // an empty cell shows nothing.
    void grdOutput_Click(int row, int column);

    QLabel* Label2 = nullptr;
    QTableWidget* grdOutput = nullptr;
    QLabel* Label1 = nullptr;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    WindowContext context_;
};

}  // namespace quaeryn::ui
