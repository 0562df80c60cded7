#include "store/ListedItems.h"

#include "core/CodePage.h"
#include "core/Failure.h"
#include "store/RecordLayout.h"

namespace cw {
namespace {

using L = ItemLayout;
constexpr TextField kFieldsKept[] = {L::aisle, L::description, L::size, L::listQuantity, L::cost};
static_assert(L::listQuantity.offset + L::listQuantity.width == 185);

} // namespace

void ListedItems::clear() {
    m_ids.clear();
    m_trimmed.clear();
    m_records.clear();
}

void ListedItems::reserve(std::size_t items) {
    m_ids.reserve(items);
    m_trimmed.reserve(items);
    m_records.reserve(items * kSpan);
}

void ListedItems::add(qint32 id, const char* record) {
    m_ids.push_back(id);
    Trimmed t;
    for (int f = 0; f < kTrimmedFields; ++f) {
        const auto [bytes, size] = kFieldsKept[f].trimmedBytes(record);
        t.begin[f] = static_cast<quint8>(bytes - record - kFieldsKept[f].offset);
        t.size[f] = static_cast<quint8>(size);
    }
    m_trimmed.push_back(t);
    m_records.append(record, kSpan);
}

void ListedItems::addBlank(qint32 id) {
    add(id, L::blank());
}

void ListedItems::addCopy(const ListedItems& other, int index) {
    add(other.id(index), other.record(index));
}

bool ListedItems::onList(int index) const {
    return L::mark(record(index)) == 'Y';
}

qint32 ListedItems::categoryId(int index) const {
    return L::categoryId(record(index));
}

std::pair<const char*, int> ListedItems::bytes(int index, Field field) const {
    const auto f = static_cast<int>(field);
    if (f >= kTrimmedFields) return kFieldsKept[f].trimmedBytes(record(index));
    const Trimmed& t = m_trimmed[static_cast<std::size_t>(index)];
    return {record(index) + kFieldsKept[f].offset + t.begin[f], t.size[f]};
}

QString ListedItems::text(int index, Field field) const {
    const auto [data, size] = bytes(index, field);
    return fromCp1252(data, size);
}

void ListedItems::prefetch(int index) const {
    __builtin_prefetch(&m_trimmed[static_cast<std::size_t>(index)]);
    const char* r = record(index);
    for (std::size_t at = 0; at < kSpan; at += 64)
        __builtin_prefetch(r + at);
}

double ListedItems::cost(int index) const {
    return leadingNumber(record(index) + L::cost.offset, L::cost.width);
}

double ListedItems::quantity(int index) const {
    return leadingNumber(record(index) + L::listQuantity.offset, L::listQuantity.width);
}

Money ListedItems::lineCost(int index) const {
    return Money::fromDouble(cost(index) * quantity(index));
}

std::optional<Money> ListedItems::total() const {
    try {
        Money sum;
        for (int i = 0; i < count(); ++i)
            sum += lineCost(i);
        return sum;
    } catch (const Failure&) {
        return std::nullopt;
    }
}

} // namespace cw
