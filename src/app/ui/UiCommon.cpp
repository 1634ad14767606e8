#include "app/ui/UiCommon.h"

#include <QFileDialog>
#include <QFontDatabase>

namespace quaeryn::ui {

QFont FixedFont(double points) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    if (points > 0) font.setPointSizeF(points);
    return font;
}

FileDialogs& Dialogs() {
    static FileDialogs dialogs{
        [](QWidget* parent, const QString& caption, const QString& proposed, const QString& filter) {
            return QFileDialog::getSaveFileName(parent, caption, proposed, filter);
        },
        [](QWidget* parent, const QString& caption, const QString& proposed, const QString& filter) {
            return QFileDialog::getOpenFileName(parent, caption, proposed, filter);
        },
        [](QWidget* parent, const QString& caption, const QString& proposed, const QString& filter) {
            return QFileDialog::getSaveFileName(parent, caption, proposed, filter, nullptr,
                                                QFileDialog::DontConfirmOverwrite);
        }};
    return dialogs;
}

}  // namespace quaeryn::ui
