#include "base/ui/UiCommon.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QAbstractItemView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QPainter>
#include <QWidget>
#include <algorithm>

#include "base/TextFile.h"

namespace quaeryn::ui {

std::string TextForFile(const QString& text) {
    QString t = text;
    // Pasted text may bring CR LF or lone CR line ends: all become one form
    // first, so that the final one is recognised.
    t.replace("\r\n", "\n");
    t.replace('\r', '\n');
    // Only a line break is taken off the end: the last characters the user
    // typed are never lost.
    if (t.endsWith('\n')) t.chop(1);
    if (t.isEmpty()) return std::string();
    t.replace("\n", "\r\n");
    return t.toStdString() + "\r\n";
}

QString EditorContent(const std::string& fileBytes, bool& windows1252) {
    const EditorText decoded = DecodeForEditing(fileBytes);
    windows1252 = decoded.windows1252;
    QString content;
    for (const auto& line : SplitLines(decoded.utf8)) content += QString::fromStdString(line) + "\n";
    return content;
}

std::string EditorFileBytes(const QString& text, bool windows1252) {
    return EncodeAfterEditing(TextForFile(text), windows1252);
}

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

FileChooserDialog::FileChooserDialog(QWidget* parent, const QString& caption, const QString& proposed,
                                     const QString& filter, bool askBeforeReplacing)
    : QFileDialog(parent, caption, QFileInfo(proposed).absolutePath(), filter),
      askBeforeReplacing_(askBeforeReplacing) {
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    // The question is asked here, for the name as it will be written.
    setOption(QFileDialog::DontConfirmOverwrite);
    // A name typed without an ending gets the proposal's, before the
    // question about replacing: "report" is checked as "report.DOC".
    const QString suffix = QFileInfo(proposed).suffix();
    if (!suffix.isEmpty()) setDefaultSuffix(suffix);
    selectFile(QFileInfo(proposed).fileName());
}

QLineEdit* FileChooserDialog::fileNameBox() const { return findChild<QLineEdit*>("fileNameEdit"); }

QString FileChooserDialog::chosenPath() const {
    if (result() != QDialog::Accepted) return QString();
    const QStringList chosen = selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.first();
}

void FileChooserDialog::accept() {
    // The file list adds to its selection when the name box changes without
    // the keyboard focus, so a preselected file can outlive the typed name;
    // a selection that is not the typed name is dropped, and the typed name
    // is what the chooser returns.
    const QLineEdit* box = fileNameBox();
    auto* list = findChild<QAbstractItemView*>("listView");
    if (box && list && list->selectionModel() && !box->text().isEmpty()) {
        const QModelIndexList rows = list->selectionModel()->selectedRows();
        const bool sameName = rows.size() == 1 && rows.first().data().toString() == box->text();
        if (!sameName && !rows.isEmpty()) list->selectionModel()->clearSelection();
    }
    const QStringList chosen = selectedFiles();
    if (askBeforeReplacing_ && !chosen.isEmpty()) {
        const QFileInfo target(chosen.first());
        if (target.exists() && !target.isDir()) {
            const auto& confirm = Dialogs().confirmReplace;
            const bool replace =
                confirm ? confirm(this, target.absoluteFilePath())
                        : QMessageBox::warning(this, windowTitle(),
                                               QString("%1 already exists.\nDo you want to replace it?")
                                                   .arg(target.fileName()),
                                               QMessageBox::Yes | QMessageBox::No,
                                               QMessageBox::No) == QMessageBox::Yes;
            if (!replace) return;
        }
    }
    QFileDialog::accept();
}

namespace {

QString RunSaveDialog(QWidget* parent, const QString& caption, const QString& proposed,
                      const QString& filter, bool askBeforeReplacing) {
    FileChooserDialog dialog(parent, caption, proposed, filter, askBeforeReplacing);
    dialog.exec();
    return dialog.chosenPath();
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
        &ChooseFileToAddTo,
        nullptr};
    return dialogs;
}

}  // namespace quaeryn::ui
