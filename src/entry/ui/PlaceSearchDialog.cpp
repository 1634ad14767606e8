#include "entry/ui/PlaceSearchDialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "base/ui/UiCommon.h"

namespace quaeryn::ui {

PlaceSearchDialog::PlaceSearchDialog(const PlaceFinder& finder, QWidget* parent)
    : QDialog(parent), finder_(finder) {
    setObjectName("PlaceSearch");
    setWindowTitle("Place");

    auto* caption = new QLabel("Type the first letters of a city's name:", this);
    caption->setObjectName("lblPlace");
    txtPlace = new QLineEdit(this);
    txtPlace->setObjectName("txtPlace");
    txtPlace->installEventFilter(this);
    lstPlaces = new QTreeWidget(this);
    lstPlaces->setObjectName("lstPlaces");
    lstPlaces->setColumnCount(4);
    lstPlaces->setHeaderLabels({"City", "Region", "Country", "Population"});
    lstPlaces->setRootIsDecorated(false);
    lstPlaces->setUniformRowHeights(true);
    lstPlaces->setSelectionMode(QAbstractItemView::SingleSelection);
    lstPlaces->header()->setStretchLastSection(false);
    lstPlaces->installEventFilter(this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName("buttons");

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(txtPlace);
    layout->addWidget(lstPlaces);
    layout->addWidget(buttons);
    resize(620, 360);

    connect(txtPlace, &QLineEdit::textChanged, this, &PlaceSearchDialog::Search);
    connect(lstPlaces, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        lstPlaces->setCurrentItem(item);
        Pick();
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &PlaceSearchDialog::Pick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void PlaceSearchDialog::Search(const QString& text) {
    matches_ = finder_.Search(S(text));
    lstPlaces->setUpdatesEnabled(false);
    lstPlaces->clear();
    const QLocale numbers(QLocale::English);
    for (const Place& place : matches_) {
        auto* item = new QTreeWidgetItem(lstPlaces, {Q(place.name), Q(place.region), Q(place.country),
                                                     numbers.toString(static_cast<qlonglong>(place.population))});
        item->setTextAlignment(3, Qt::AlignRight | Qt::AlignVCenter);
    }
    if (!matches_.empty()) lstPlaces->setCurrentItem(lstPlaces->topLevelItem(0));
    for (int column = 0; column < 4; ++column) lstPlaces->resizeColumnToContents(column);
    lstPlaces->setUpdatesEnabled(true);
}

void PlaceSearchDialog::Pick() {
    const int row = lstPlaces->indexOfTopLevelItem(lstPlaces->currentItem());
    if (row < 0 || row >= static_cast<int>(matches_.size())) return;
    // The dialog closes first, so that a message about the zone stands alone.
    const Place place = matches_[static_cast<std::size_t>(row)];
    const auto picked = placePicked;
    accept();
    if (picked) picked(place);
}

bool PlaceSearchDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Pick();
            return true;
        }
        // The arrows move through the list while the letters are typed.
        if (watched == txtPlace && (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
                                    key == Qt::Key_PageDown)) {
            QKeyEvent copy(QEvent::KeyPress, key, static_cast<QKeyEvent*>(event)->modifiers());
            QCoreApplication::sendEvent(lstPlaces, &copy);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace quaeryn::ui
