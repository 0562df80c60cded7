#pragma once
// File menu "Show List on Phone": the shopping list as a QR code that a phone's camera reads as
// text (a line for each row in the grid's order, then the total). A list too long for one
// code that reads well from a screen is split between codes, numbered "1 of 3", shown one at
// a time with Next and Back. Nothing leaves the computer but through the screen.
#include "core/Context.h"

#include <QDialog>
#include <QStringList>

class QLabel;
class QPushButton;

namespace cw {

class ShoppingListModel;

class PhoneListDialog : public QDialog {
    Q_OBJECT
public:
    // At most this many bytes go in one code (a code of about 73 modules across).
    static constexpr int kMostBytes = 500;

    PhoneListDialog(Context& ctx, const ShoppingListModel& list, QWidget* parent);

    // The texts of the codes, in order.
    const QStringList& parts() const { return m_parts; }
    int shown() const { return m_shown; }

    // The list's text cut at line ends into parts of at most kMostBytes bytes each; when there
    // is more than one, each begins with its number ("1 of 3").
    static QStringList split(const QString& text);

private:
    void showPart(int part);

    Context& m_ctx;
    QStringList m_parts;
    int m_shown = 0;
    QLabel* m_code;
    QLabel* m_number;
    QPushButton* m_back;
    QPushButton* m_next;
};

} // namespace cw
