#pragma once

#include <QString>

// The size of a shop whose database a benchmark works on.
struct ShopSize
{
    const char *name; // "small", "history", "large"
    int products;
    int customers;
    int sales; // each with three lines
};

// A kiosk in its first weeks, a small shop after years of sales, a large
// grocery after years of sales.
inline constexpr ShopSize SmallShop{"small", 1000, 100, 1000};
inline constexpr ShopSize LongHistory{"history", 1000, 10000, 1000000};
inline constexpr ShopSize LargeShop{"large", 100000, 10000, 1000000};

// Every product category name is "Kategorie <n>", n from 0 to Categories-1.
// They are as uneven as a grocery's: "Kategorie 0" holds every fourth
// product (25.000 of 10^5), "Kategorie 1" every hundredth (1.000), the rest
// share the others unevenly, some none.
inline constexpr int Categories = 100;
inline constexpr int LargestCategory = 0;
inline constexpr int HundredthCategory = 1;
// Sales are spread evenly over this many days from SalesStart.
inline constexpr int SalesDays = 750;
inline constexpr const char *SalesStart = "2024-09-01";

// The article number of product id (1-based): thirteen digits, as on the
// shop's goods, "4000000000042".
QString articleNumber(int productId);

// The path of a database of that size, built with the program's own schema
// the first time it is asked for and kept under the build folder. Benchmarks
// that store sales add them to it: a few hundred in millions do not matter.
QString shopDatabase(const ShopSize &size);

// The password every copy of the shop's database carries.
inline constexpr const char *DatabasePassword = "k4wr88zmqdelrunp31";
