// "Place": the small search the Input Data window's "Place…" button opens.
// A few letters of a city's name list the cities that match, with their
// region, country and population, most populous first; Enter, OK or a
// double click picks the selected one.
#pragma once

#include <QDialog>
#include <functional>
#include <vector>

#include "place/Places.h"

class QLineEdit;
class QTreeWidget;

namespace quaeryn::ui {

class PlaceSearchDialog : public QDialog {
    Q_OBJECT
public:
    explicit PlaceSearchDialog(const PlaceFinder& finder, QWidget* parent = nullptr);

    // Called with the place picked, after the dialog has closed.
    std::function<void(const Place&)> placePicked;

    // The places listed, in their order.
    const std::vector<Place>& matches() const { return matches_; }
    // Picks the selected place, if any.
    void Pick();

    QLineEdit* txtPlace;
    QTreeWidget* lstPlaces;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Search(const QString& text);

    const PlaceFinder& finder_;
    std::vector<Place> matches_;
};

}  // namespace quaeryn::ui
