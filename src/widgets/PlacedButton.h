#pragma once
// A push button with its control name, caption and place (in twips) in its frame.
#include "widgets/Twips.h"

#include <QPushButton>

namespace cw {

inline QPushButton* placedButton(QWidget* parent, const char* name, const QString& caption,
                                 int left, int top, int width, int height) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(twipsRect(left, top, width, height));
    return b;
}

} // namespace cw
