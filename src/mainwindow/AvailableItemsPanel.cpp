#include "mainwindow/AvailableItemsPanel.h"

#include "model/Catalogue.h"
#include "widgets/ChoiceListView.h"
#include "widgets/Guard.h"
#include "widgets/PlacedButton.h"
#include "widgets/Twips.h"

namespace cw {

AvailableItemsPanel::AvailableItemsPanel(Context& ctx, Catalogue& catalogue, QWidget* parent)
    : QGroupBox(tr("Items in Selected Category"), parent), m_ctx(ctx), m_catalogue(catalogue) {
    setObjectName(QStringLiteral("fraFrame1"));
    m_list = new ChoiceListView(this);
    m_list->setObjectName(QStringLiteral("lstAvailable"));
    m_list->setGeometry(twipsRect(180, 300, 2535, 1440));
    m_list->setAccessibleName(title());
    m_list->setModel(&catalogue.items());
    auto button = [this](const char* name, const char* caption, int left, int top) {
        return placedButton(this, name, tr(caption), left, top, 975, 375);
    };
    QPushButton* newItem = button("cmdNewItem", QT_TR_NOOP("New Item"), 2820, 300);
    QPushButton* editItem = button("cmdEditItem", QT_TR_NOOP("Edit Item"), 2820, 720);
    QPushButton* deleteItem = button("cmdDeleteItem", QT_TR_NOOP("Delete Item"), 2820, 1140);
    QPushButton* toList = button("cmdItemToList", QT_TR_NOOP("Item To List"), 3840, 300);
    QPushButton* allToList = button("cmdCatToList", QT_TR_NOOP("All To List"), 3840, 720);

    connect(deleteItem, &QPushButton::clicked, this,
            [this] { guarded(m_ctx, [this] { m_catalogue.deleteItem(chosenRow()); }); });
    connect(toList, &QPushButton::clicked, this, [this] { putChosenOnList(); });
    // A double click puts the item on the list as Item To List does.
    connect(m_list, &ChoiceListView::entryDoubleClicked, this, [this] { putChosenOnList(); });
    connect(allToList, &QPushButton::clicked, this,
            [this] { guarded(m_ctx, [this] { m_catalogue.putAllOnList(); }); });
    connect(newItem, &QPushButton::clicked, this, &AvailableItemsPanel::newItemRequested);
    connect(editItem, &QPushButton::clicked, this, &AvailableItemsPanel::editItemRequested);
    connect(&catalogue, &Catalogue::itemToChoose, m_list, &ChoiceListView::choose);
    connect(&catalogue, &Catalogue::itemToMark, m_list, &ChoiceListView::mark);
    connect(m_list, &ChoiceListView::chosen, this, &AvailableItemsPanel::itemChosen);
}

void AvailableItemsPanel::putChosenOnList() {
    guarded(m_ctx, [this] { m_catalogue.putOnList(chosenRow()); });
}

int AvailableItemsPanel::chosenRow() const {
    return m_list->chosenRow();
}

} // namespace cw
