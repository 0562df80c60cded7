#include "mainwindow/ShoppingListPanel.h"

#include "core/Numbers.h"
#include "mainwindow/QuantityKeypad.h"
#include "mainwindow/ShoppingListView.h"
#include "model/ShoppingList.h"
#include "widgets/Guard.h"
#include "widgets/PlacedButton.h"
#include "widgets/Twips.h"

#include <QCursor>
#include <QLabel>
#include <QMenu>
#include <QShortcut>

namespace cw {

template <class Command> void ShoppingListPanel::run(Command&& command) {
    guarded(m_ctx, std::forward<Command>(command));
}

ShoppingListPanel::ShoppingListPanel(Context& ctx, ShoppingList& list, QWidget* area)
    : QGroupBox(tr("Current Shopping List"), area), m_ctx(ctx), m_list(list) {
    setObjectName(QStringLiteral("fraFrame2"));
    m_view = new ShoppingListView(this);
    m_view->setObjectName(QStringLiteral("Grid1"));
    m_view->setGeometry(twipsRect(180, 360, 7095, 2355));
    m_view->setAccessibleName(title());
    m_view->setModel(&list.model());

    auto button = [this](const char* name, const char* caption, int top) {
        return placedButton(this, name, tr(caption), 7500, top, 1455, 375);
    };
    QPushButton* remove = button("cmdRemoveItem", QT_TR_NOOP("Remove Item"), 360);
    QPushButton* clear = button("cmdClearList", QT_TR_NOOP("Clear List"), 780);
    QPushButton* sort = button("cmdSortList", QT_TR_NOOP("Sort List"), 1200);
    auto* keypad = new QuantityKeypad(this);

    // Below the frame: "Running Total $", the total, the sort order.
    auto* totalCaption = new QLabel(tr("Running Total $"), area);
    totalCaption->setObjectName(QStringLiteral("lblGen3"));
    totalCaption->setGeometry(twipsRect(4740, 5520, 1155, 195));
    auto* total = new QLabel(shownNumber(list.model().totalText()), area);
    total->setObjectName(QStringLiteral("lblGen4"));
    total->setGeometry(twipsRect(6240, 5520, 915, 195));
    total->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    total->setAccessibleDescription(totalCaption->text()); // read with its amount
    auto* order = new QLabel(list.sortLabel(), area);
    order->setObjectName(QStringLiteral("lblSort"));
    order->setGeometry(twipsRect(7620, 5520, 1635, 195));
    // 195 twips would cut the text: one line of the font is the least height of these labels.
    for (QLabel* l : {totalCaption, total, order}) {
        l->setMinimumHeight(l->fontMetrics().height());
        l->resize(l->width(), l->fontMetrics().height() + 2);
    }
    connect(&list.model(), &ShoppingListModel::totalChanged, total,
            [total](const QString& text) { total->setText(shownNumber(text)); });
    connect(&list, &ShoppingList::sortLabelChanged, order, &QLabel::setText);
    connect(&list, &ShoppingList::refilled, m_view, [this] { m_view->makeCurrent(0); });

    // The Sort List button's pop-up menu, never shown on the menu bar.
    m_sortMenu = new QMenu(tr("Sort"), this);
    m_sortMenu->setObjectName(QStringLiteral("mnuSort"));
    const std::pair<const char*, const char*> names[] = {
        {"mnuSortCategory", QT_TR_NOOP("By Category")},
        {"mnuSortItem", QT_TR_NOOP("By Item Description")},
        {"mnuSortIsle", QT_TR_NOOP("By Isle #")}};
    const SortOrder orders[] = {SortOrder::ByCategory, SortOrder::ByItem, SortOrder::ByAisle};
    for (int i = 0; i < 3; ++i) {
        QAction* a = m_sortMenu->addAction(tr(names[i].second));
        a->setObjectName(QString::fromLatin1(names[i].first));
        const SortOrder by = orders[i];
        connect(a, &QAction::triggered, this, [this, by] { run([&] { m_list.sortBy(by); }); });
    }

    connect(remove, &QPushButton::clicked, this, [this] { run([&] { m_list.removeChosen(); }); });
    connect(clear, &QPushButton::clicked, this, [this] { run([&] { m_list.clear(); }); });
    connect(sort, &QPushButton::clicked, this, [this] { m_sortMenu->popup(QCursor::pos()); });
    connect(m_view, &ShoppingListView::rowClicked, this,
            [this](int row) { guarded(m_ctx, [&] { m_list.choose(row); }); });
    connect(m_view, &ShoppingListView::rowDoubleClicked, this,
            [this] { run([&] { m_list.removeChosen(); }); });
    auto* removeKey = new QShortcut(QKeySequence::Delete, m_view, nullptr, nullptr,
                                    Qt::WidgetWithChildrenShortcut); // Delete on the list
    connect(removeKey, &QShortcut::activated, this,
            [this] { run([&] { m_list.removeChosen(); }); });
    connect(keypad, &QuantityKeypad::quantityChosen, this, [this](const QString& caption) {
        guarded(m_ctx, [&] { m_list.setQuantity(m_view->currentRow(), caption); });
    });
}

} // namespace cw
