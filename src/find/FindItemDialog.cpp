#include "find/FindItemDialog.h"

#include "core/ReportPrefixes.h"
#include "core/Trap.h"
#include "model/FoundItemsModel.h"
#include "widgets/Guard.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

namespace cw {

FindItemDialog::FindItemDialog(Context& ctx, QWidget* parent)
    : QDialog(parent), m_ctx(ctx), m_model(new FoundItemsModel(ctx, this)) {
    setObjectName(QStringLiteral("findDialog"));
    setWindowTitle(tr("Find Item"));
    setModal(false);

    m_field = new QLineEdit(this);
    m_field->setObjectName(QStringLiteral("findField"));
    m_field->setPlaceholderText(tr("Type part of an item's description"));
    m_field->setClearButtonEnabled(true);
    m_field->setAccessibleName(tr("Find items"));
    m_field->installEventFilter(this);
    auto* caption = new QLabel(tr("&Find:"), this);
    caption->setBuddy(m_field);

    m_view = new QTableView(this);
    m_view->setObjectName(QStringLiteral("foundItems"));
    m_view->setModel(m_model);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setTabKeyNavigation(false);
    m_view->verticalHeader()->hide();
    m_view->verticalHeader()->setDefaultSectionSize(m_view->fontMetrics().height() + 4);
    m_view->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_view->horizontalHeader()->setStretchLastSection(false);
    m_view->setAccessibleName(tr("Items found"));
    const int em = fontMetrics().averageCharWidth();
    const int widths[] = {28, 10, 16, 8, 8, 7};
    for (int c = 0; c < FoundItemsModel::ColumnCount; ++c)
        m_view->setColumnWidth(c, widths[c] * em);
    m_view->horizontalHeader()->setSectionResizeMode(FoundItemsModel::Description,
                                                     QHeaderView::Stretch);

    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("foundCount"));
    m_count->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(this);
    m_put = buttons->addButton(tr("Put on &List"), QDialogButtonBox::AcceptRole);
    m_put->setObjectName(QStringLiteral("putFoundOnList"));
    m_show = buttons->addButton(tr("&Show in Main Window"), QDialogButtonBox::ActionRole);
    m_show->setObjectName(QStringLiteral("showFound"));
    m_show->setToolTip(tr("Ctrl+Enter"));
    QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
    close->setObjectName(QStringLiteral("closeFind"));
    m_put->setDefault(true); // Enter in the field puts the chosen item on the list

    auto* top = new QHBoxLayout;
    top->addWidget(caption);
    top->addWidget(m_field);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_count);
    layout->addWidget(buttons);
    resize(70 * em, 26 * m_view->verticalHeader()->defaultSectionSize());

    auto on = [this](auto* sender, auto signal, void (FindItemDialog::*handler)()) {
        connect(sender, signal, this,
                [this, handler] { guarded(m_ctx, [&] { (this->*handler)(); }); });
    };
    on(m_field, &QLineEdit::textChanged, &FindItemDialog::search);
    on(m_put, &QPushButton::clicked, &FindItemDialog::putChosenOnList);
    on(m_show, &QPushButton::clicked, &FindItemDialog::showChosen);
    on(m_view, &QTableView::doubleClicked, &FindItemDialog::putChosenOnList);
    for (const QKeySequence& keys :
         {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)})
        on(new QShortcut(keys, this), &QShortcut::activated, &FindItemDialog::showChosen);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    showCount();
}

// Up, Down and the page keys in the field move the chosen row, as in a list that drops down.
bool FindItemDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_field && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
            key == Qt::Key_PageDown) {
            if (m_model->rowCount() > 0) {
                QCoreApplication::sendEvent(m_view, event);
                if (chosenRow() < 0) chooseRow(0);
            }
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

// Back from the main window, where the catalogue or the list may have changed.
void FindItemDialog::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !m_model->text().isEmpty())
        guarded(m_ctx, [this] { findAgain(); });
}

void FindItemDialog::search() {
    trap(m_ctx, prefix::kFindItems, [&] { m_model->search(m_field->text()); });
    chooseRow(0);
    showCount();
}

// The same search again, the chosen item kept chosen where it is still found.
void FindItemDialog::findAgain() {
    const int row = chosenRow();
    const qint32 id = row >= 0 ? m_model->idAt(row) : 0;
    trap(m_ctx, prefix::kFindItems, [&] { m_model->searchAgain(); });
    int again = 0;
    for (int r = 0; r < m_model->rowCount(); ++r)
        if (m_model->idAt(r) == id) again = r;
    chooseRow(again);
    showCount();
}

void FindItemDialog::showCount() {
    const qint64 matched = m_model->matched();
    const int shown = m_model->rowCount();
    QString text;
    if (m_field->text().trimmed().isEmpty())
        text = tr("Type a word of an item's description, or part of one.");
    else if (matched == 0)
        text = tr("No item found.");
    else if (shown < matched)
        text = tr("The first %1 of %2 items found are shown: type more to find fewer.")
                   .arg(shown)
                   .arg(matched);
    else if (matched == 1)
        text = tr("1 item found.");
    else
        text = tr("%1 items found.").arg(matched);
    m_count->setText(text);
    m_put->setEnabled(shown > 0);
    m_show->setEnabled(shown > 0);
}

int FindItemDialog::chosenRow() const {
    const QModelIndex current = m_view->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void FindItemDialog::chooseRow(int row) {
    if (row < 0 || row >= m_model->rowCount()) return;
    const QModelIndex index = m_model->index(row, 0);
    m_view->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                         QItemSelectionModel::Rows);
    m_view->scrollTo(index);
}

void FindItemDialog::putChosenOnList() {
    const int row = chosenRow();
    if (row < 0) return;
    emit putOnListRequested(m_model->idAt(row));
    findAgain(); // it shows as on the list now
}

void FindItemDialog::showChosen() {
    trap(m_ctx, prefix::kShowFound, [&] {
        const int row = chosenRow();
        if (row < 0) return;
        const qint32 category = m_model->categoryIdAt(row), item = m_model->idAt(row);
        close(); // out of the way of the main window; Ctrl+F brings it back as it was
        emit showRequested(category, item);
    });
}

} // namespace cw
