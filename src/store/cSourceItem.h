#pragma once
// The source item file: the catalogue of items and, through each item's selected flag and
// selected quantity, the current shopping list. Every operation opens the file, works and
// closes it.
#include "core/Context.h"
#include "core/Numbers.h"
#include "store/ListTarget.h"

#include <QString>
#include <functional>

namespace cw {

class cSourceItem {
public:
    explicit cSourceItem(Context& ctx);

    QString strFileName;
    qint32 lngCatID = 0;
    QString strItem;
    QString strQuantity;
    QString strCost;
    QString strSize;
    QString strIsle;
    QString strSelectedYN;
    QString strSelectedQuantity;
    QString strFuture;

    // Catalogue. These four let failures pass to the caller.
    bool blnFindRecord(qint32 ID);
    bool blnDeleteRecord(qint32 ID);
    bool blnRefreshList(ListTarget& lb, qint32 lngCatID);
    bool blnDeleteCategory(qint32 lngCatID);
    // These report their own failures.
    qint32 lngAddRecord();
    bool blnEditRecord(qint32 ID);

    // Shopping list. blnClearSelections and Calculate let failures pass to the caller.
    bool blnClearSelections();
    // Refills lb with one sort key per item on the list, in the order that strSort (the
    // caption of the main window's sort label) names; strSort is left trimmed.
    bool blnRefreshSortList(ListTarget& lb, QString& strSort);
    bool blnSelectRecord(qint32 ID, const QString& strQty);
    Money Calculate();
    bool blnUnselectRecord(qint32 ID);

private:
    void loadFrom(const char* record);
    Context& m_ctx;
};

} // namespace cw
