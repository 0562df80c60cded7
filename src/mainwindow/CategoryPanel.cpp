#include "mainwindow/CategoryPanel.h"

#include "model/Catalogue.h"
#include "widgets/ChoiceListView.h"
#include "widgets/Guard.h"
#include "widgets/PlacedButton.h"
#include "widgets/Twips.h"

namespace cw {

CategoryPanel::CategoryPanel(Context& ctx, Catalogue& catalogue, QWidget* parent)
    : QGroupBox(tr("Categories"), parent), m_ctx(ctx), m_catalogue(catalogue) {
    setObjectName(QStringLiteral("fraFrame0"));
    m_list = new ChoiceListView(this);
    m_list->setObjectName(QStringLiteral("lstCat"));
    m_list->setGeometry(twipsRect(180, 300, 2475, 1440));
    m_list->setAccessibleName(title()); // a screen reader names the list by its frame
    m_list->setModel(&catalogue.categories());
    auto button = [this](const char* name, const char* caption, int top) {
        return placedButton(this, name, tr(caption), 2760, top, 975, 375);
    };
    connect(button("cmdNewCat", QT_TR_NOOP("New Cat"), 300), &QPushButton::clicked, this,
            [this] { guarded(m_ctx, [this] { m_catalogue.createCategory(); }); });
    connect(button("cmdEditCat", QT_TR_NOOP("Edit Cat"), 720), &QPushButton::clicked, this,
            [this] { guarded(m_ctx, [this] { m_catalogue.renameCategory(chosenRow()); }); });
    connect(button("cmdDeleteCat", QT_TR_NOOP("Delete Cat"), 1140), &QPushButton::clicked, this,
            [this] { guarded(m_ctx, [this] { m_catalogue.deleteCategory(chosenRow()); }); });
    connect(&catalogue, &Catalogue::categoryToChoose, m_list, &ChoiceListView::choose);
    connect(&catalogue, &Catalogue::categoryToMark, m_list, &ChoiceListView::mark);
    connect(m_list, &ChoiceListView::chosen, this, &CategoryPanel::categoryChosen);
}

int CategoryPanel::chosenRow() const {
    return m_list->chosenRow();
}

} // namespace cw
