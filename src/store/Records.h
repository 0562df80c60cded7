#pragma once
// Byte layouts of the two record files. Text fields are Windows-1252, left-aligned, padded
// with spaces and cut to their width; readers trim spaces only.
#include "core/Text.h"

#include <QString>
#include <array>
#include <cstring>
#include <utility>

namespace cw {

constexpr const char* kCategoryFileName = "ctwcat6.dat";
constexpr const char* kSourceItemFileName = "ctwsrc6.dat";

// A text field of `width` bytes at `offset` inside a record buffer.
struct TextField {
    int offset;
    int width;
    QString read(const char* record) const; // decoded and trimmed of spaces
    // The field's bytes without leading and trailing spaces, as read() decodes them: where
    // they begin, and how many.
    std::pair<const char*, int> trimmedBytes(const char* record) const;
    void write(char* record, const QString& value) const; // encoded, padded or cut
    bool isBlank(const char* record) const;               // only spaces
};

struct CategoryLayout {
    static constexpr int kLength = 50;
    static constexpr TextField category{0, 50};
    static const char* blank(); // 50 spaces
};

struct SourceItemLayout {
    static constexpr int kLength = 235;
    static constexpr TextField item{0, 50};
    static constexpr TextField quantity{50, 10};
    static constexpr TextField cost{60, 10};
    static constexpr TextField size{70, 50};
    static constexpr int kCatIdOffset = 120;
    static constexpr TextField isle{124, 50};
    static constexpr TextField selectedYN{174, 1};
    static constexpr TextField selectedQuantity{175, 10};
    static constexpr TextField future{185, 50};
    static const char* blank(); // 120 spaces, four zero bytes, 111 spaces

    static qint32 catId(const char* record);
    static void setCatId(char* record, qint32 id);
    // "Y" in the selected flag and a description that is not blank.
    static bool isListed(const char* record) { return record[174] == 'Y' && !item.isBlank(record); }
};

} // namespace cw
