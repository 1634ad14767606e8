#include "entry/ui/NamesWindow.h"

#include <QApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/Messages.h"
#include "base/TextFile.h"
#include "base/ui/UiCommon.h"

namespace quaeryn::ui {

namespace {

// A list line sorted alphabetically: capitals and small letters alike
// ("banana" between "Apple" and "Cherry"), the exact text breaking ties.
class NameItem : public QListWidgetItem {
public:
    using QListWidgetItem::QListWidgetItem;
    bool operator<(const QListWidgetItem& other) const override {
        const int c = text().compare(other.text(), Qt::CaseInsensitive);
        return c != 0 ? c < 0 : text() < other.text();
    }
};

}  // namespace

NamesWindow::NamesWindow(const WindowContext& context, EventEntries& entries, QWidget* parent)
    : QWidget(parent, Qt::Window), context_(context), entries_(entries) {
    setObjectName("Names");
    setWindowTitle("Names");
    lblNamesOnFile_ = new QLabel(this);
    lblNamesOnFile_->setObjectName("lblNamesOnFile");
    lblNamesOnFile_->setAlignment(Qt::AlignCenter);
    namesOnFile_ = new QListWidget(this);
    namesOnFile_->setObjectName("NamesOnFile");
    namesOnFile_->setSortingEnabled(true);
    namesOnFile_->setFrameShadow(QFrame::Sunken);
    cmdEditList_ = new QPushButton("Edit this List", this);
    cmdEditList_->setObjectName("cmdEditList");
    cmdNewFileList_ = new QPushButton("Change List", this);
    cmdNewFileList_->setObjectName("cmdNewFileList");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdEditList_);
    buttons->addWidget(cmdNewFileList_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblNamesOnFile_);
    layout->addWidget(namesOnFile_);
    layout->addLayout(buttons);
    resize(260, 380);

    connect(namesOnFile_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { NamesOnFile_Click(item->text()); });
    connect(namesOnFile_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { NamesOnFile_DblClick(item->text()); });
    connect(cmdEditList_, &QPushButton::clicked, this, &NamesWindow::cmdEditList_Click);
    connect(cmdNewFileList_, &QPushButton::clicked, this, &NamesWindow::cmdNewFileList_Click);
    LoadList();
}

void NamesWindow::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    QPainter painter(this);
    DrawSunkenBorder(painter, namesOnFile_);
}

void NameEditWindow::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    QPainter painter(this);
    DrawSunkenBorder(painter, txtContent_);
}

void NamesWindow::ShowNameFileLabel() {
    lblNamesOnFile_->setText(
        QString::fromStdString(context_.currentNameFile.filename().string()).toUpper());
}

void NamesWindow::LoadList() {
    bool opened = false;
    NameList list;
    if (!context_.currentNameFile.empty()) list = ReadNameFile(context_.currentNameFile, &opened);
    if (!opened) {
        // The name file in use cannot be opened: the data folder's
        // HORARY.FIL is listed instead, and becomes the file in use, so the
        // label, "Edit this List" and the saves all mean the listed file.
        const auto fallback = context_.dir.Resolve("HORARY.FIL");
        list = ReadNameFile(fallback, &opened);
        context_.currentNameFile = fallback;
        if (!opened) list = NameList{};
    }
    context_.settings.DataFile = context_.currentNameFile.string();
    list_ = std::move(list);
    ShowNameFileLabel();
    namesOnFile_->setUpdatesEnabled(false);
    namesOnFile_->clear();
    for (const auto& record : list_.records) namesOnFile_->addItem(new NameItem(Q(record.name)));
    namesOnFile_->setUpdatesEnabled(true);
    if (list_.error) context_.prompt.notify(msg::NameFileError());
}

void NamesWindow::NamesOnFile_Click(const QString& name) {
    NameRecord* record = FindNameRecord(list_, S(name));
    if (!record) {
        context_.prompt.notify(msg::NameFormatError());
        return;
    }
    FillFromRecord(*record, entries_, context_.regional, context_.prompt);
    if (entriesChanged) entriesChanged();
}

void NamesWindow::NamesOnFile_DblClick(const QString& name) {
    NamesOnFile_Click(name);
    hide();
    if (castRequested) castRequested();
}

void NamesWindow::cmdEditList_Click() {
    if (!nameEdit_) nameEdit_ = new NameEditWindow(context_, this);
    nameEdit_->Reload();
    nameEdit_->show();
    nameEdit_->raise();
}

void NamesWindow::cmdNewFileList_Click() {
    const QString start = context_.currentNameFile.empty()
                              ? Q(context_.dir.root().string())
                              : Q(context_.currentNameFile.string());
    const QString path = Dialogs().open(this, "Select a File", start, "Name Files (*.FIL *.fil)");
    if (path.isEmpty()) return;
    context_.currentNameFile = S(path);
    LoadList();
}

NameEditWindow::NameEditWindow(const WindowContext& context, NamesWindow* names)
    : QWidget(names, Qt::Window), context_(context), names_(names) {
    setObjectName("NameEdit");
    txtContent_ = BuildTextEditor(this, {{"btnSave", "Save"},
                                         {"btnQuit", "Quit"},
                                         {nullptr, nullptr},
                                         {"Label1", "Ctrl-C to copy.  Ctrl-X to cut.  Ctrl-V to paste."}});
    auto* btnSave = findChild<QPushButton*>("btnSave");
    auto* btnQuit = findChild<QPushButton*>("btnQuit");
    resize(620, 420);
    connect(btnSave, &QPushButton::clicked, this, &NameEditWindow::btnSave_Click);
    connect(btnQuit, &QPushButton::clicked, this, &NameEditWindow::btnQuit_Click);
}

void NameEditWindow::Reload() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto text = ReadWholeFile(context_.currentNameFile);
    txtContent_->setPlainText(EditorContent(text.value_or(std::string()), windows1252_));
    setWindowTitle("Edit: " + Q(context_.currentNameFile.string()));
    QApplication::restoreOverrideCursor();
}

void NameEditWindow::btnSave_Click() {
    // Under the name file's lock, as a save of a record; the messages say
    // why when nothing was written.
    WriteNameFile(context_.currentNameFile, EditorFileBytes(txtContent_->toPlainText(), windows1252_), context_.prompt);
}

void NameEditWindow::btnQuit_Click() {
    close();
    names_->LoadList();
    names_->show();
}

}  // namespace quaeryn::ui
