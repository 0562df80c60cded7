#include "DataSet.h"

#include "store/RecordLayout.h"

#include <array>
#include <cstring>
#include <fstream>
#include <stdexcept>

namespace cw::bench {
namespace {

// A small linear congruential generator: the same numbers on every platform and library.
class Random {
public:
    explicit Random(std::uint64_t seed) : m_state(seed) {}
    std::uint32_t next() {
        m_state = m_state * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<std::uint32_t>(m_state >> 33);
    }
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint32_t>(n)); }
    template <class T, std::size_t N> const T& pick(const std::array<T, N>& from) {
        return from[below(static_cast<int>(N))];
    }

private:
    std::uint64_t m_state;
};

const std::array<const char*, 20> kDepartments = {
    "Dairy",     "Bakery",        "Produce",      "Meat",  "Seafood",   "Frozen",  "Deli",
    "Beverages", "Snacks",        "Canned Goods", "Pasta", "Breakfast", "Baking",  "Spices",
    "Household", "Personal Care", "Pet Supplies", "Baby",  "Pharmacy",  "Hardware"};
const std::array<const char*, 5> kStores = {"", " - Costco", " - Kroger", " - Aldi",
                                            " - Corner Shop"};
const std::array<const char*, 16> kBrands = {
    "Organic",   "Store Brand",  "Kirkland",  "Great Value",   "Simple Truth", "Heinz",
    "Kellogg's", "Nature's Own", "Tillamook", "Barilla",       "Dole",         "Tyson",
    "Chobani",   "Pepperidge",   "Annie's",   "Bob's Red Mill"};
const std::array<const char*, 16> kKinds = {
    "Whole",   "Low Fat", "Sliced", "Fresh",  "Frozen",  "Smoked",   "Unsalted",    "Extra Large",
    "Classic", "Spicy",   "Honey",  "Garlic", "Vanilla", "Original", "Family Size", "Light"};
const std::array<const char*, 40> kProducts = {
    "Milk",    "Butter",       "Yogurt",    "Cheddar", "Eggs",         "Bread",    "Bagels",
    "Muffins", "Apples",       "Bananas",   "Carrots", "Lettuce",      "Tomatoes", "Onions",
    "Chicken", "Ground Beef",  "Bacon",     "Salmon",  "Shrimp",       "Peas",     "Pizza",
    "Ham",     "Turkey",       "Coffee",    "Tea",     "Orange Juice", "Chips",    "Crackers",
    "Soup",    "Beans",        "Spaghetti", "Cereal",  "Oatmeal",      "Flour",    "Sugar",
    "Pepper",  "Paper Towels", "Dish Soap", "Shampoo", "Dog Food"};
const std::array<const char*, 12> kSizes = {"1 gal", "16 oz", "2 lb", "12 ct", "500 g", "1 l",
                                            "6 pk",  "32 oz", "5 lb", "each",  "dozen", "family"};
const std::array<const char*, 4> kNamedIsles = {"Produce", "Deli counter", "End cap", "Back wall"};

QString text(const char* s) {
    return QString::fromLatin1(s);
}

} // namespace

DataSet makeDataSet(int itemCount) {
    DataSet data;
    for (int i = 0; i < kCategoryCount; ++i)
        data.categories.push_back(text(kDepartments[i % kDepartments.size()]) +
                                  text(kStores[i / kDepartments.size() % kStores.size()]));
    Random rnd(0x5EED0000u + static_cast<std::uint64_t>(itemCount));
    data.items.reserve(static_cast<std::size_t>(itemCount));
    for (int i = 0; i < itemCount; ++i) {
        ItemRow r;
        r.id = i + 1;
        r.item = text(rnd.pick(kBrands)) + ' ' + text(rnd.pick(kKinds)) + ' ' +
                 text(rnd.pick(kProducts));
        const int qty = 1 + rnd.below(12);
        r.quantity = QString::number(qty);
        const int cents = 29 + rnd.below(4970);
        r.cost = QStringLiteral("%1.%2").arg(cents / 100).arg(cents % 100, 2, 10, QChar('0'));
        r.size = text(rnd.pick(kSizes));
        r.catId = 1 + rnd.below(kCategoryCount);
        const int isle = rnd.below(50);
        r.isle = isle < 40   ? QStringLiteral("%1").arg(isle + 1, 2, 10, QChar('0'))
                 : isle < 46 ? text(rnd.pick(kNamedIsles))
                             : QString();
        r.selectedYN = i % 10 == 0 ? QStringLiteral("Y") : QStringLiteral("N");
        r.selectedQuantity = r.quantity;
        data.items.push_back(std::move(r));
    }
    return data;
}

void writeRecordFiles(const DataSet& data, const std::string& dir) {
    using C = CategoryLayout;
    using S = ItemLayout;
    std::string cats;
    for (const QString& name : data.categories) {
        char rec[C::kLength];
        C::name.write(rec, name);
        cats.append(rec, C::kLength);
    }
    std::string items;
    items.reserve(data.items.size() * S::kLength);
    for (const ItemRow& r : data.items) {
        char rec[S::kLength];
        std::memcpy(rec, S::blank(), S::kLength);
        S::description.write(rec, r.item);
        S::quantity.write(rec, r.quantity);
        S::cost.write(rec, r.cost);
        S::size.write(rec, r.size);
        S::setCategoryId(rec, r.catId);
        S::aisle.write(rec, r.isle);
        S::listMark.write(rec, r.selectedYN);
        S::listQuantity.write(rec, r.selectedQuantity);
        items.append(rec, S::kLength);
    }
    for (const auto& [name, bytes] :
         {std::pair{kCategoryFileName, &cats}, std::pair{kItemFileName, &items}}) {
        std::ofstream out(dir + '/' + name, std::ios::binary | std::ios::trunc);
        out.write(bytes->data(), static_cast<std::streamsize>(bytes->size()));
        if (!out) throw std::runtime_error("cannot write " + dir + '/' + name);
    }
}

} // namespace cw::bench
