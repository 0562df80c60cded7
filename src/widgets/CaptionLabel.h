#pragma once
// A label whose caption change is an event: captionChanged runs only when the caption
// really changes to a different text.
#include <QLabel>

namespace cw {

class CaptionLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
    QString caption() const { return text(); }
    void setCaption(const QString& caption) {
        if (caption == text()) return;
        setText(caption);
        emit captionChanged();
    }

signals:
    void captionChanged();
};

} // namespace cw
