#pragma once
// Byte layouts of the two record files. Text fields are Windows-1252, left-aligned, padded
// with spaces and cut to their width; readers trim spaces only.
#include <QString>
#include <QtEndian>
#include <cstring>
#include <utility>

namespace cw {

constexpr const char* kCategoryFileName = "ctwcat6.dat";
constexpr const char* kItemFileName = "ctwsrc6.dat";

// A text field of `width` bytes at `offset` inside a record buffer.
struct TextField {
    int offset;
    int width;
    QString read(const char* record) const; // decoded and trimmed of spaces
    // The field's bytes without leading and trailing spaces, as read() decodes them: where
    // they begin, and how many.
    std::pair<const char*, int> trimmedBytes(const char* record) const {
        int b = offset, e = offset + width;
        while (b < e && record[b] == ' ')
            ++b;
        // A field is mostly padding: it is searched from its end eight bytes at a time, and
        // the last byte that is no blank found in the word (the highest, read little-endian).
        constexpr quint64 kBlanks = 0x2020202020202020ull;
        for (quint64 word; e - b >= 8; e -= 8) {
            std::memcpy(&word, record + e - 8, 8);
            if (const quint64 other = qFromLittleEndian(word) ^ kBlanks)
                return {record + b, e - 8 + (63 - __builtin_clzll(other)) / 8 + 1 - b};
        }
        while (e > b && record[e - 1] == ' ')
            --e;
        return {record + b, e - b};
    }
    void write(char* record, const QString& value) const; // encoded, padded or cut
    bool isBlank(const char* record) const;               // only spaces
};

// A category record: the name alone. A blank name marks a free record.
struct CategoryLayout {
    static constexpr int kLength = 50;
    static constexpr TextField name{0, 50};
    static const char* blank(); // 50 spaces
};

// An item record. A category ID of 0 marks a free record; an item is on the shopping list
// while its list mark is "Y".
struct ItemLayout {
    static constexpr int kLength = 235;
    static constexpr TextField description{0, 50};
    static constexpr TextField quantity{50, 10}; // the default quantity
    static constexpr TextField cost{60, 10};     // the unit cost
    static constexpr TextField size{70, 50};
    static constexpr int kCategoryIdOffset = 120; // a 32-bit little-endian integer
    static constexpr TextField aisle{124, 50};
    static constexpr TextField listMark{174, 1};
    static constexpr TextField listQuantity{175, 10}; // the quantity on the shopping list
    static constexpr TextField reserved{185, 50};     // always written blank
    static const char* blank();                       // 120 spaces, four zero bytes, 111 spaces

    static qint32 categoryId(const char* record);
    static void setCategoryId(char* record, qint32 id);
    static char mark(const char* record) { return record[listMark.offset]; }
    static void setMark(char* record, char mark) { record[listMark.offset] = mark; }
    // On the shopping list: marked "Y", with a description.
    static bool isListed(const char* record) {
        return mark(record) == 'Y' && !description.isBlank(record);
    }
};

} // namespace cw
