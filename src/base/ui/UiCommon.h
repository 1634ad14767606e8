// Small helpers shared by the windows: text conversion, twips, the
// fixed-pitch font and the file dialogs (replaceable, so that scripted runs
// and tests never wait on a modal dialog).
#pragma once

#include <QFileDialog>
#include <QFont>
#include <QPainter>
#include <QString>
#include <functional>
#include <initializer_list>
#include <utility>

#include <string>

#include "base/Numbers.h"
#include "base/TextEncoding.h"

class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace quaeryn::ui {

// A text of the program as the windows show it: UTF-8, or Windows-1252 when
// it is not valid UTF-8 (DisplayText).
inline QString Q(const std::string& s) { return QString::fromStdString(DisplayText(s)); }
inline std::string S(const QString& s) { return s.toStdString(); }

// Window placement is kept in twips: 15 twips to a pixel.
inline constexpr int kTwipsPerPixel = 15;
// A placement of the settings file may hold any number: the pixels are held
// to a million either way.
inline int ToPixels(double twips) {
    return static_cast<int>(ClampedWhole(twips / kTwipsPerPixel + (twips >= 0 ? 0.5 : -0.5), -1000000, 1000000));
}
inline double ToTwips(int pixels) { return static_cast<double>(pixels) * kTwipsPerPixel; }

// The sunken bevel drawn around a control on its window: a 15-twip line
// (one pixel) of grey on the left and top, white on the right and bottom,
// just outside the control's rectangle.
void DrawSunkenBorder(class QPainter& painter, const QWidget* control);

// The system's fixed-pitch font at a size in points.
QFont FixedFont(double points = 10);

// The layout of the plain-text editor windows: the text box `txtContent`
// (fixed font, no wrapping) over a row of buttons, each named by its
// control name; a null name in the row stands for the stretch. Returns the
// text box; the buttons are found with findChild by name.
QPlainTextEdit* BuildTextEditor(QWidget* window,
                                std::initializer_list<std::pair<const char*, const char*>> buttons);

// The text a text box holds, as written to a file: CR LF line ends, and
// the final line break (the one the loader appended) taken off and written
// as the file's last line end.
std::string TextForFile(const QString& text);

// A plain-text editor window on a whole file: the text box's content (each
// line followed by a line break) from the file's bytes, and the bytes its
// Save writes (TextForFile). A file that is not UTF-8 is read as
// Windows-1252 and written back so, byte for byte where nothing changed;
// `windows1252` carries that from the one to the other.
QString EditorContent(const std::string& fileBytes, bool& windows1252);
std::string EditorFileBytes(const QString& text, bool windows1252);

// The file dialogs: a save chooser (asks before replacing a file), an open
// chooser, and a chooser of a file to add to (an existing file or a new
// name, without the question). Each takes the parent, the caption, the
// proposed path (folder plus file name) and the filter, and returns the
// chosen path or an empty text when cancelled.
struct FileDialogs {
    using Chooser = std::function<QString(QWidget*, const QString&, const QString&, const QString&)>;
    Chooser save;
    Chooser open;
    Chooser append;
    // The question before a save chooser replaces an existing file: true
    // for Yes. The default shows a message box on the chooser.
    std::function<bool(QWidget*, const QString& path)> confirmReplace;
};
FileDialogs& Dialogs();

// The save and add-to chooser. The name in the file-name box is the answer,
// whatever the file list has selected: the list fills on a background
// thread and may select the preselected file after the user has typed
// another name. A name typed without an ending gets the ending of the
// proposed file; `askBeforeReplacing` asks Dialogs().confirmReplace before
// an existing file is chosen, and No keeps the chooser open.
class FileChooserDialog : public QFileDialog {
    Q_OBJECT

public:
    FileChooserDialog(QWidget* parent, const QString& caption, const QString& proposed,
                      const QString& filter, bool askBeforeReplacing);
    // The chosen path after the chooser was accepted, else an empty text.
    QString chosenPath() const;
    // The file-name box, where the user types.
    QLineEdit* fileNameBox() const;

    void accept() override;

private:
    bool askBeforeReplacing_;
};

// The save chooser of Dialogs(): a name typed without an ending gets the
// ending of the proposed name, and the question before replacing a file is
// asked for the name as it will be written.
QString ChooseSaveFile(QWidget* parent, const QString& caption, const QString& proposed,
                       const QString& filter);
// The chooser of a file to add to: the same, without the question.
QString ChooseFileToAddTo(QWidget* parent, const QString& caption, const QString& proposed,
                          const QString& filter);

}  // namespace quaeryn::ui
