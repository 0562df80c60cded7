#include "mainwindow/QuantityKeypad.h"

#include "widgets/Twips.h"

#include <QPushButton>

namespace cw {

QuantityKeypad::QuantityKeypad(QWidget* frame) : QObject(frame) {
    // Three rows of four places in the frame, in twips; the first two places of the third row
    // are empty. The buttons' names number them as they always have: 0 to 8, and 15 for "?".
    struct Key {
        int number;
        const char* caption;
        int left, top;
    };
    static constexpr Key keys[] = {{0, "1", 7500, 1800}, {1, "2", 7860, 1800}, {2, "3", 8220, 1800},
                                   {3, "4", 8580, 1800}, {4, "5", 7500, 2100}, {5, "6", 7860, 2100},
                                   {6, "7", 8220, 2100}, {7, "8", 8580, 2100}, {8, "9", 8220, 2400},
                                   {15, "?", 8580, 2400}};
    for (const Key& k : keys) {
        auto* b = new QPushButton(QString::fromLatin1(k.caption), frame);
        b->setObjectName(QStringLiteral("cmdNum%1").arg(k.number));
        b->setGeometry(twipsRect(k.left, k.top, 350, 255));
        b->setFocusPolicy(Qt::TabFocus);
        if (k.number == 15) b->setAccessibleName(tr("Ask for a quantity"));
        connect(b, &QPushButton::clicked, this, [this, b] { emit quantityChosen(b->text()); });
    }
}

} // namespace cw
