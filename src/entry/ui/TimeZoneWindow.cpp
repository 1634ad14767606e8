#include "entry/ui/TimeZoneWindow.h"

#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/ui/UiCommon.h"

namespace quaeryn::ui {

TimeZoneWindow::TimeZoneWindow(const WindowContext& context, EventEntries& entries, QWidget* parent)
    : QWidget(parent, Qt::Window), context_(context), entries_(entries) {
    setObjectName("TimeZone");
    setWindowTitle("Time Zones");
    lstTimeZones_ = new QListWidget(this);
    lstTimeZones_->setObjectName("lstTimeZones");
    lstTimeZones_->setFont(FixedFont(10));
    auto* command1 = new QPushButton("Quit", this);
    command1->setObjectName("Command1");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lstTimeZones_);
    layout->addWidget(command1, 0, Qt::AlignHCenter);
    connect(command1, &QPushButton::clicked, this, &QWidget::close);
    connect(lstTimeZones_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { lstTimeZones_Click(item->text()); });

    // Load: the lines read before an error stay listed.
    table_ = LoadTimeZones(context_.dir.Resolve("TZ.DAT"), context_.prompt);
    lstTimeZones_->setUpdatesEnabled(false);
    for (const auto& line : table_.lines) lstTimeZones_->addItem(Q(line));
    lstTimeZones_->setUpdatesEnabled(true);
    const QFontMetrics metrics(lstTimeZones_->font());
    resize(metrics.horizontalAdvance(QString(48, 'M')) + 40, 420);
}

void TimeZoneWindow::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    QPainter painter(this);
    DrawSunkenBorder(painter, lstTimeZones_);
}

void TimeZoneWindow::lstTimeZones_Click(const QString& line) {
    // The line as the table holds it: a Windows-1252 name is shown converted.
    std::string stored = S(line);
    for (const auto& l : table_.lines)
        if (Q(l) == line) {
            stored = l;
            break;
        }
    if (PickTimeZone(stored, table_, entries_, context_.prompt) && entriesChanged) entriesChanged();
}

}  // namespace quaeryn::ui
