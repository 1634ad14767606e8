#include <QAbstractItemView>
#include <QApplication>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <gtest/gtest.h>

#include "base/TextFile.h"
#include "base/ui/UiCommon.h"
#include "support/ui/GuiSession.h"

namespace quaeryn::test {
namespace {

TEST(TextForFile, TakesOnlyALineBreakOffTheEnd) {
    struct Case {
        const char* text;
        const char* file;
    } cases[] = {{"a\nb\n", "a\r\nb\r\n"}, {"a\nb", "a\r\nb\r\n"}, {"x", "x\r\n"}, {"", ""}, {"\n", ""},
                 {"a\r\nb\r\n", "a\r\nb\r\n"}, {"a\rb\r", "a\r\nb\r\n"}};
    for (const auto& c : cases) EXPECT_EQ(ui::TextForFile(c.text), c.file) << c.text;
}


// Puts the file list of a chooser in the state it reaches once its
// background listing has arrived: `name` selected in the list.
void SelectInList(ui::FileChooserDialog& dialog, const QString& path) {
    auto* list = dialog.findChild<QAbstractItemView*>("listView");
    ASSERT_NE(list, nullptr);
    auto* model = qobject_cast<QFileSystemModel*>(list->model());
    ASSERT_NE(model, nullptr);
    const QModelIndex index = model->index(path);
    ASSERT_TRUE(index.isValid()) << path.toStdString();
    list->selectionModel()->select(index, QItemSelectionModel::Select | QItemSelectionModel::Rows);
    ASSERT_EQ(list->selectionModel()->selectedRows().size(), 1);
}

// Answers the replace question of the choosers from the test and counts it.
struct ReplaceAnswers {
    int questions = 0;
    bool answer = true;
    ReplaceAnswers() {
        ui::Dialogs().confirmReplace = [this](QWidget*, const QString&) {
            ++questions;
            return answer;
        };
    }
    ~ReplaceAnswers() { ui::Dialogs().confirmReplace = nullptr; }
};

TEST(FileDialogs, TheTypedNameWinsWithItsEndingAndTheReplaceQuestion) {
    TempFolder folder;
    folder.SeedShippedData();  // the shipped Horary.fil is the preselected name file
    folder.Write("report.DOC", "old");
    folder.Write("clients.fil", "");
    const auto at = [&](const std::string& name) { return QString::fromStdString((folder.path() / name).string()); };
    struct Case {
        const char* proposed;    // the preselected file
        bool listed;             // the list has selected it before the typing
        const char* typed;
        bool ask;                // the save chooser asks before replacing
        bool replace;            // the answer to that question
        const char* chosen;      // nullptr: the chooser stays open
        int questions;
    } cases[] = {
        {"John.DOC", false, "fresh", true, true, "fresh.DOC", 0},
        {"John.DOC", false, "report", true, true, "report.DOC", 1},
        {"John.DOC", false, "report", true, false, nullptr, 1},
        {"report.DOC", true, "fresh", true, true, "fresh.DOC", 0},
        {"report.DOC", true, "report.DOC", true, true, "report.DOC", 1},
        {"Horary.fil", false, "clients", false, false, "clients.fil", 0},
        {"Horary.fil", true, "clients", false, false, "clients.fil", 0},
        {"Horary.fil", true, "newfile", false, false, "newfile.fil", 0},
        {"Horary.fil", true, "Horary.fil", false, false, "Horary.fil", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.proposed) + (c.listed ? " listed, " : ", ") + c.typed);
        ReplaceAnswers answers;
        answers.answer = c.replace;
        ui::FileChooserDialog dialog(nullptr, "Save As", at(c.proposed), "Files (*.DOC *.FIL)", c.ask);
        if (c.listed) SelectInList(dialog, at(c.proposed));
        ASSERT_NE(dialog.fileNameBox(), nullptr);
        dialog.fileNameBox()->setText(c.typed);
        dialog.accept();
        EXPECT_EQ(dialog.chosenPath(), c.chosen ? at(c.chosen) : QString());
        EXPECT_EQ(dialog.result(), c.chosen ? QDialog::Accepted : QDialog::Rejected);
        EXPECT_EQ(answers.questions, c.questions);
    }
    EXPECT_EQ(ReadWholeFile(folder.path() / "report.DOC").value_or(""), "old");
}

// The real chooser, run modally: the typing happens inside its event loop,
// after the list has been made to select the preselected name file, which is
// the state a finished background listing leaves.
TEST(FileDialogs, TheRealChooserReturnsTheTypedNameOverThePreselectedFile) {
    TempFolder folder;
    folder.SeedShippedData();  // the shipped Horary.fil is the preselected name file
    const QString nameFile = QString::fromStdString((folder.path() / "Horary.fil").string());
    bool typedIn = false;
    std::function<void()> typeWhenShown = [&] {
        auto* dialog = qobject_cast<ui::FileChooserDialog*>(QApplication::activeModalWidget());
        if (!dialog) {  // not shown yet: look again at the next turn of the loop
            QMetaObject::invokeMethod(qApp, typeWhenShown, Qt::QueuedConnection);
            return;
        }
        SelectInList(*dialog, nameFile);
        dialog->fileNameBox()->setText("clients");
        typedIn = true;
        dialog->accept();
        if (dialog->isVisible()) dialog->reject();
    };
    QMetaObject::invokeMethod(qApp, typeWhenShown, Qt::QueuedConnection);
    const QString chosen = ui::ChooseFileToAddTo(nullptr, "Select a File", nameFile, "Name Files (*.FIL *.fil)");
    EXPECT_TRUE(typedIn);
    EXPECT_EQ(chosen, QString::fromStdString((folder.path() / "clients.fil").string()));
}

}  // namespace
}  // namespace quaeryn::test
