#include "app/ui/UiCommon.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QPainter>
#include <QWidget>
#include <algorithm>

namespace quaeryn::ui {

QFont FixedFont(double points) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    if (points > 0) font.setPointSizeF(points);
    return font;
}

QPlainTextEdit* BuildTextEditor(QWidget* window,
                                std::initializer_list<std::pair<const char*, const char*>> buttons) {
    auto* text = new QPlainTextEdit(window);
    text->setObjectName("txtContent");
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    text->setFont(FixedFont(10));
    auto* row = new QHBoxLayout;
    for (const auto& [name, caption] : buttons) {
        if (!name) {
            row->addStretch();
        } else if (QString(name).startsWith("Label")) {
            auto* label = new QLabel(caption, window);
            label->setObjectName(name);
            row->addWidget(label);
        } else {
            auto* button = new QPushButton(caption, window);
            button->setObjectName(name);
            row->addWidget(button);
        }
    }
    auto* layout = new QVBoxLayout(window);
    layout->addWidget(text);
    layout->addLayout(row);
    return text;
}

void DrawSunkenBorder(QPainter& painter, const QWidget* control) {
    if (!control || !control->isVisible()) return;
    const QRect r = control->geometry();
    const int width = std::max(1, 15 / kTwipsPerPixel);
    for (int d = 1; d <= width; ++d) {
        const int left = r.left() - d, top = r.top() - d, right = r.right() + d, bottom = r.bottom() + d;
        painter.setPen(QColor(128, 128, 128));
        painter.drawLine(left, top, left, bottom);
        painter.drawLine(left, top, right, top);
        painter.setPen(Qt::white);
        painter.drawLine(right, top, right, bottom);
        painter.drawLine(left, bottom, right, bottom);
    }
}

namespace {

QString RunSaveDialog(QWidget* parent, const QString& caption, const QString& proposed,
                      const QString& filter, bool askBeforeReplacing) {
    QFileDialog dialog(parent, caption, QFileInfo(proposed).absolutePath(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (!askBeforeReplacing) dialog.setOption(QFileDialog::DontConfirmOverwrite);
    // A name typed without an ending gets the proposal's, before the
    // dialog asks about replacing: "report" is checked as "report.DOC".
    const QString suffix = QFileInfo(proposed).suffix();
    if (!suffix.isEmpty()) dialog.setDefaultSuffix(suffix);
    dialog.selectFile(QFileInfo(proposed).fileName());
    if (dialog.exec() != QDialog::Accepted) return QString();
    const QStringList chosen = dialog.selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.first();
}

}  // namespace

QString ChooseSaveFile(QWidget* parent, const QString& caption, const QString& proposed,
                       const QString& filter) {
    return RunSaveDialog(parent, caption, proposed, filter, true);
}

QString ChooseFileToAddTo(QWidget* parent, const QString& caption, const QString& proposed,
                          const QString& filter) {
    return RunSaveDialog(parent, caption, proposed, filter, false);
}

FileDialogs& Dialogs() {
    static FileDialogs dialogs{
        &ChooseSaveFile,
        [](QWidget* parent, const QString& caption, const QString& proposed, const QString& filter) {
            return QFileDialog::getOpenFileName(parent, caption, proposed, filter);
        },
        &ChooseFileToAddTo};
    return dialogs;
}

}  // namespace quaeryn::ui
