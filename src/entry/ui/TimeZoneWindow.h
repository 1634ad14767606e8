// "Time Zones": the zones of TZ.DAT; a click fills the Input Data window's
// zone and its East/West choice.
#pragma once

#include <QWidget>
#include <functional>

#include "base/ui/WindowContext.h"
#include "entry/EventEntries.h"
#include "entry/TimeZones.h"

class QListWidget;

namespace quaeryn::ui {

class TimeZoneWindow : public QWidget {
    Q_OBJECT
public:
    TimeZoneWindow(const WindowContext& context, EventEntries& entries, QWidget* parent = nullptr);

    void lstTimeZones_Click(const QString& line);
    QListWidget* lstTimeZones() const { return lstTimeZones_; }
    const TimeZoneTable& table() const { return table_; }

    // The entries changed: the Input Data window shows them.
    std::function<void()> entriesChanged;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    WindowContext context_;
    EventEntries& entries_;
    QListWidget* lstTimeZones_;
    TimeZoneTable table_;
};

}  // namespace quaeryn::ui
