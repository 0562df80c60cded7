#include "store/ItemQuery.h"

#include "core/CodePage.h"

#include <QRegularExpression>
#include <array>
#include <cstring>
#include <string.h>

namespace cw {
namespace {

// Each Windows-1252 byte folded once: most give one byte, some none ("´") or more ("ß" gives
// "ss", "…" gives "...").
struct FoldTable {
    struct Entry {
        unsigned char size;
        char bytes[7];
    };
    std::array<Entry, 256> of{};
    // The byte a byte folds to when that is one byte (a letter, a digit), else 0.
    std::array<char, 256> single{};
    FoldTable() {
        for (int b = 0; b < 256; ++b) {
            const char byte = static_cast<char>(b);
            const QByteArray folded = ItemQuery::fold(fromCp1252(&byte, 1));
            Entry& e = of[static_cast<std::size_t>(b)];
            e.size = static_cast<unsigned char>(std::min<qsizetype>(folded.size(), 7));
            std::memcpy(e.bytes, folded.constData(), e.size);
            if (e.size == 1 && e.bytes[0] != 0) single[std::size_t(b)] = e.bytes[0];
        }
    }
};

const FoldTable& foldTable() {
    static const FoldTable table;
    return table;
}

} // namespace

QByteArray ItemQuery::fold(const QString& text) {
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString bare;
    bare.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        const QChar::Category category = c.category();
        if (category != QChar::Mark_NonSpacing && category != QChar::Mark_SpacingCombining &&
            category != QChar::Mark_Enclosing)
            bare.append(c);
    }
    // Case folded in full for the sharp s, which Qt folds simply (to itself): "Straße" and
    // "STRASSE" are the same word.
    return bare.toCaseFolded().replace(QChar(0xDF), QLatin1String("ss")).toUtf8();
}

ItemQuery::ItemQuery(const QString& text) {
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    for (const QString& word : text.split(blanks, Qt::SkipEmptyParts)) {
        QByteArray folded = fold(word);
        if (!folded.isEmpty()) m_words.push_back(std::move(folded));
    }
}

bool ItemQuery::matches(const char* description, int size) const {
    if (m_words.empty()) return false;
    const FoldTable& table = foldTable();
    char folded[7 * 64];
    std::size_t n = 0;
    for (int i = 0; i < size && i < 64; ++i) {
        const auto byte = static_cast<unsigned char>(description[i]);
        if (const char c = table.single[byte]) {
            folded[n++] = c;
            continue;
        }
        const FoldTable::Entry& e = table.of[byte];
        std::memcpy(folded + n, e.bytes, 7); // the spare bytes are overwritten next
        n += e.size;
    }
    for (const QByteArray& word : m_words)
        if (!::memmem(folded, n, word.constData(), static_cast<std::size_t>(word.size())))
            return false;
    return true;
}

} // namespace cw
