#pragma once
// What the user typed to find items: words that must all be found in an item's description,
// letter case and accents left out of the comparison ("cafe" finds "Café", "CAFÉ" finds
// "cafe"). Texts are compared in a folded form: each character decomposed, its accents
// dropped and its case folded (ß as "ss").
#include <QByteArray>
#include <QString>
#include <vector>

namespace cw {

class ItemQuery {
public:
    explicit ItemQuery(const QString& text);

    // No words: it finds nothing.
    bool isEmpty() const { return m_words.empty(); }
    // Whether a description, as the item file holds it (Windows-1252), holds every word.
    bool matches(const char* description, int size) const;

    // A text folded as the comparison sees it, in UTF-8.
    static QByteArray fold(const QString& text);

private:
    std::vector<QByteArray> m_words; // folded
};

} // namespace cw
