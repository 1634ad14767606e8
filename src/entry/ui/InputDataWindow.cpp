#include "entry/ui/InputDataWindow.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include "base/ui/UiCommon.h"
#include "entry/InputRules.h"
#include "entry/PlaceEntries.h"
#include "entry/ui/PlaceSearchDialog.h"

namespace quaeryn::ui {

namespace {

QGroupBox* Frame(QWidget* parent, const char* name, const char* caption, QRadioButton*& first,
                 const char* firstName, const char* firstCaption, QRadioButton*& second,
                 const char* secondName, const char* secondCaption) {
    auto* box = new QGroupBox(caption, parent);
    box->setObjectName(name);
    first = new QRadioButton(firstCaption, box);
    first->setObjectName(firstName);
    second = new QRadioButton(secondCaption, box);
    second->setObjectName(secondName);
    auto* group = new QButtonGroup(box);
    group->addButton(first);
    group->addButton(second);
    auto* layout = new QHBoxLayout(box);
    layout->addWidget(first);
    layout->addWidget(second);
    return box;
}

QLabel* Caption(QWidget* parent, const char* name, const char* text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    // As tall as its text, so that the bevel hugs it.
    label->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    label->setContentsMargins(2, 0, 2, 0);
    return label;
}

}  // namespace

QLineEdit* InputDataWindow::MakeField(const char* name, int width) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    if (width > 0) edit->setMaximumWidth(width);
    edit->installEventFilter(this);
    return edit;
}

InputDataWindow::InputDataWindow(const WindowContext& context, EventEntries& entries, ZoneLink& zoneLink,
                                 QWidget* parent, const PlaceFinder* places)
    : QWidget(parent, Qt::Window), context_(context), entries_(entries), zoneLink_(zoneLink), places_(places) {
    setObjectName("InputD");
    setWindowTitle("Input Data");

    txtName = MakeField("txtName", 0);
    txtMonth = MakeField("txtMonth", 60);
    txtDay = MakeField("txtDay", 60);
    txtYear = MakeField("txtYear", 70);
    txtBirthHour = MakeField("txtBirthHour", 60);
    txtBirthMinute = MakeField("txtBirthMinute", 60);
    txtTZ = MakeField("txtTZ", 70);
    txtLongDeg = MakeField("txtLongDeg", 60);
    txtLongMin = MakeField("txtLongMin", 60);
    txtLatDeg = MakeField("txtLatDeg", 60);
    txtLatMin = MakeField("txtLatMin", 60);

    QGroupBox* frame1 = Frame(this, "Frame1", "Am/Pm", optAM, "optAM", "AM", optPM, "optPM", "PM");
    QGroupBox* frame2 = Frame(this, "Frame2", "Ea/We", optEast, "optEast", "E", optWest, "optWest", "W");
    QGroupBox* frame3 = Frame(this, "Frame3", "No/So", optNorth, "optNorth", "N", optSouth, "optSouth", "S");

    chkLMT = new QCheckBox(" LMT", this);
    chkLMT->setObjectName("chkLMT");
    cmdNow = new QPushButton("NOW", this);
    cmdNow->setObjectName("cmdNow");
    cmdOK = new QPushButton("OK", this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setDefault(true);
    cmdSave = new QPushButton("Save to disk", this);
    cmdSave->setObjectName("cmdSave");
    Label1 = new QLabel("<a href=\"tz\">TZ Help</a>", this);
    Label1->setObjectName("Label1");
    Label1->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    Label1->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    Label1->setContentsMargins(2, 0, 2, 0);
    cmdPlace = new QPushButton("Place…", this);
    cmdPlace->setObjectName("cmdPlace");
    cmdPlace->setAutoDefault(false);
    cmdPlace->setToolTip("Find the city by its name: its longitude, latitude and time zone");
    ZoneUsed = new QLabel(this);
    ZoneUsed->setObjectName("ZoneUsed");
    ZoneUsed->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(8);
    grid->addWidget(Caption(this, "lblName", "Name"), 0, 0);
    grid->addWidget(txtName, 0, 1, 1, 5);
    grid->addWidget(Caption(this, "lblMonth", "Month"), 1, 0);
    grid->addWidget(txtMonth, 1, 1);
    grid->addWidget(Caption(this, "lblDay", "Day"), 1, 2);
    grid->addWidget(txtDay, 1, 3);
    grid->addWidget(Caption(this, "lblYear", "Year"), 1, 4);
    grid->addWidget(txtYear, 1, 5);
    grid->addWidget(Caption(this, "lblBirthHour", "Hour"), 2, 0);
    grid->addWidget(txtBirthHour, 2, 1);
    grid->addWidget(Caption(this, "lblBirthMinute", "Minute"), 2, 2);
    grid->addWidget(txtBirthMinute, 2, 3);
    grid->addWidget(frame1, 2, 4, 1, 2);
    grid->addWidget(Caption(this, "lblBirthTZ", "Time Zone . . ."), 3, 0);
    grid->addWidget(txtTZ, 3, 1);
    grid->addWidget(Label1, 3, 2);
    grid->addWidget(chkLMT, 3, 3);
    grid->addWidget(ZoneUsed, 4, 1, 1, 5);
    grid->addWidget(Caption(this, "lblLongDeg", "Long Degrees"), 5, 0);
    grid->addWidget(txtLongDeg, 5, 1);
    grid->addWidget(Caption(this, "lblLongMin", "Long Minutes"), 5, 2);
    grid->addWidget(txtLongMin, 5, 3);
    grid->addWidget(frame2, 5, 4, 1, 2);
    grid->addWidget(Caption(this, "lblLatDeg", "Lat Degrees"), 6, 0);
    grid->addWidget(txtLatDeg, 6, 1);
    grid->addWidget(Caption(this, "lblLatMin", "Lat Minutes"), 6, 2);
    grid->addWidget(txtLatMin, 6, 3);
    grid->addWidget(frame3, 6, 4, 1, 2);
    grid->addWidget(cmdPlace, 5, 6, 2, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdNow);
    buttons->addStretch();
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdOK);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    connect(txtBirthHour, &QLineEdit::textChanged, this, [this] { txtBirthHour_Change(); });
    for (QLineEdit* edit : {txtName, txtMonth, txtDay, txtYear, txtBirthMinute, txtTZ, txtLongDeg,
                            txtLongMin, txtLatDeg, txtLatMin})
        connect(edit, &QLineEdit::textChanged, this, [this] {
            if (!loading_) CommitEntries();
        });
    for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{optAM, optPM, optNorth, optSouth, chkLMT})
        connect(b, &QAbstractButton::toggled, this, [this] {
            if (!loading_) CommitEntries();
        });
    // Enter in any field is the OK button.
    for (QLineEdit* edit : {txtName, txtMonth, txtDay, txtYear, txtBirthHour, txtBirthMinute, txtTZ,
                            txtLongDeg, txtLongMin, txtLatDeg, txtLatMin})
        connect(edit, &QLineEdit::returnPressed, this, &InputDataWindow::cmdOK_Click);
    connect(optEast, &QRadioButton::clicked, this, &InputDataWindow::optEast_Click);
    connect(optWest, &QRadioButton::clicked, this, &InputDataWindow::optWest_Click);
    connect(cmdNow, &QPushButton::clicked, this, &InputDataWindow::cmdNow_Click);
    connect(cmdOK, &QPushButton::clicked, this, &InputDataWindow::cmdOK_Click);
    connect(cmdSave, &QPushButton::clicked, this, &InputDataWindow::cmdSave_Click);
    connect(Label1, &QLabel::linkActivated, this, [this] { Label1_Click(); });
    connect(cmdPlace, &QPushButton::clicked, this, &InputDataWindow::cmdPlace_Click);
    // The zone follows a linked zone when the moment is settled: on leaving
    // a date or time field and on A.M./P.M., not on every key.
    for (QLineEdit* edit : {txtMonth, txtDay, txtYear, txtBirthHour, txtBirthMinute})
        connect(edit, &QLineEdit::editingFinished, this, [this] { SettleZone(); });
    for (QRadioButton* b : {optAM, optPM})
        connect(b, &QRadioButton::clicked, this, [this] { SettleZone(); });
    // Typing into the zone box drops the link.
    connect(txtTZ, &QLineEdit::textEdited, this, [this] {
        zoneLink_.Drop();
        ShowZoneLine();
    });

    // Load: the present moment at the default place.
    TakePresentMoment();
    LoadEntries();
}

void InputDataWindow::TakePresentMoment() {
    const PresentMoment now = PresentMomentAt(context_.clock.now(), context_.zone);
    FillPresentMoment(entries_, now, context_.options, context_.prompt);
    zoneLink_.LinkFilled(now.zoneName, entries_, now.zoneLine);
}

void InputDataWindow::ShowZoneLine() { ZoneUsed->setText(Q(zoneLink_.line())); }

void InputDataWindow::PickPlace(const Place& place) {
    CommitEntries();
    // The sides first: selecting E or W turns the zone's sign, and the
    // zone is written after them.
    if (!FillPlace(entries_, place)) return;
    zoneLink_.Link(place.zone, entries_);
    LoadEntries();
    SettleZone();
}

bool InputDataWindow::SettleZone(bool beforeSave) {
    if (loading_) return true;
    CommitEntries();
    const ZoneLink::Outcome outcome = zoneLink_.Settle(entries_, context_.prompt, beforeSave);
    if (outcome == ZoneLink::Outcome::Filled) LoadEntries();
    ShowZoneLine();
    if (outcome != ZoneLink::Outcome::Refused) return true;
    if (beforeSave) FocusField(zoneLink_.refusal().field);
    return false;
}

void InputDataWindow::cmdPlace_Click() {
    auto* dialog = new PlaceSearchDialog(places_ ? *places_ : CityDatabase(), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->placePicked = [this](const Place& place) { PickPlace(place); };
    dialog->open();
}

void InputDataWindow::LoadEntries() {
    const EventEntries& e = entries_;
    loading_ = true;
    txtName->setText(Q(e.name));
    txtMonth->setText(Q(e.month));
    txtDay->setText(Q(e.day));
    txtYear->setText(Q(e.year));
    txtBirthHour->setText(Q(e.hour));
    txtBirthMinute->setText(Q(e.minute));
    txtTZ->setText(Q(e.tz));
    txtLongDeg->setText(Q(e.longDeg));
    txtLongMin->setText(Q(e.longMin));
    txtLatDeg->setText(Q(e.latDeg));
    txtLatMin->setText(Q(e.latMin));
    (e.pm ? optPM : optAM)->setChecked(true);
    (e.east ? optEast : optWest)->setChecked(true);
    (e.south ? optSouth : optNorth)->setChecked(true);
    chkLMT->setChecked(e.lmt);
    loading_ = false;
    // A zone box that no longer holds what the link wrote is the user's.
    zoneLink_.Refresh(entries_);
    ShowZoneLine();
}

void InputDataWindow::CommitEntries() {
    EventEntries& e = entries_;
    e.name = S(txtName->text());
    e.month = S(txtMonth->text());
    e.day = S(txtDay->text());
    e.year = S(txtYear->text());
    e.hour = S(txtBirthHour->text());
    e.minute = S(txtBirthMinute->text());
    e.tz = S(txtTZ->text());
    e.longDeg = S(txtLongDeg->text());
    e.longMin = S(txtLongMin->text());
    e.latDeg = S(txtLatDeg->text());
    e.latMin = S(txtLatMin->text());
    e.pm = optPM->isChecked();
    e.east = optEast->isChecked();
    e.south = optSouth->isChecked();
    e.lmt = chkLMT->isChecked();
    // The sign rule of E and W, the LMT box ticked by hand: the link goes.
    if (zoneLink_.Refresh(e)) ShowZoneLine();
}

void InputDataWindow::FocusField(EntryField field) {
    QWidget* control = nullptr;
    switch (field) {
        case EntryField::Name: control = txtName; break;
        case EntryField::Month: control = txtMonth; break;
        case EntryField::Day: control = txtDay; break;
        case EntryField::Year: control = txtYear; break;
        case EntryField::Hour: control = txtBirthHour; break;
        case EntryField::Minute: control = txtBirthMinute; break;
        case EntryField::AmPm: control = optPM->isChecked() ? optPM : optAM; break;
        case EntryField::Zone: control = txtTZ; break;
        case EntryField::LongDeg: control = txtLongDeg; break;
        case EntryField::LongMin: control = txtLongMin; break;
        case EntryField::EastWest: control = optEast->isChecked() ? optEast : optWest; break;
        case EntryField::LatDeg: control = txtLatDeg; break;
        case EntryField::LatMin: control = txtLatMin; break;
        case EntryField::NorthSouth: control = optSouth->isChecked() ? optSouth : optNorth; break;
    }
    if (!control) return;
    activateWindow();
    control->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) edit->selectAll();
}

void InputDataWindow::txtBirthHour_Change() {
    if (loading_) return;
    CommitEntries();
    const bool number = NormalizeHour(entries_, context_.prompt);
    if (!number) {
        // Not a number: select the text for retyping (an empty field stays).
        if (!txtBirthHour->text().isEmpty()) txtBirthHour->selectAll();
        return;
    }
    if (Q(entries_.hour) != txtBirthHour->text() || entries_.pm != optPM->isChecked()) {
        const int cursor = txtBirthHour->cursorPosition();
        LoadEntries();
        txtBirthHour->setCursorPosition(std::min(cursor, static_cast<int>(txtBirthHour->text().size())));
    }
}

void InputDataWindow::optEast_Click() {
    CommitEntries();
    SelectEast(entries_, true, true);
    LoadEntries();
}

void InputDataWindow::optWest_Click() {
    CommitEntries();
    SelectEast(entries_, false, true);
    LoadEntries();
}

void InputDataWindow::cmdNow_Click() {
    CommitEntries();
    TakePresentMoment();
    LoadEntries();
}

void InputDataWindow::cmdOK_Click() {
    CommitEntries();
    if (castRequested) castRequested();
}

void InputDataWindow::cmdSave_Click() {
    CommitEntries();
    // The record keeps the zone of the moment entered, as a cast would.
    if (!SettleZone(true)) return;
    if (saveToDisk) saveToDisk();
}

void InputDataWindow::Label1_Click() {
    if (openTimeZones) openTimeZones();
}

bool InputDataWindow::eventFilter(QObject* watched, QEvent* event) {
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (edit && event->type() == QEvent::FocusIn) {
        // Focusing a field selects its whole text, so typing replaces it.
        QTimer::singleShot(0, edit, [edit] { edit->selectAll(); });
    }
    if (edit && edit != txtName && event->type() == QEvent::KeyPress) {
        const QString text = static_cast<QKeyEvent*>(event)->text();
        // Only typed characters are filtered; editing keys, backspace and
        // pasting pass.
        if (text.size() == 1 && text[0].unicode() >= 0x20 && text[0].unicode() < 0x7f) {
            const char key = static_cast<char>(text[0].unicode());
            const bool accepted = edit == txtTZ ? AcceptsZoneKey(key) : AcceptsDigitKey(key);
            if (!accepted) return true;
        } else if (text.size() == 1 && text[0].unicode() >= 0x7f) {
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void InputDataWindow::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    // The bevel around every label, frame, text box, the check box and the
    // TZ Help label.
    QPainter painter(this);
    for (QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        const QString name = child->objectName();
        if (name.startsWith("lbl") || name.startsWith("txt") || name.startsWith("Frame") || name == "chkLMT" ||
            name == "Label1")
            DrawSunkenBorder(painter, child);
    }
}

void InputDataWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton && focusMainWindow) focusMainWindow();
    QWidget::mouseReleaseEvent(event);
}

}  // namespace quaeryn::ui
