#pragma once

// The tax rates a product is stored with (column Tax, as text) and the till
// sums separately. The product editor accepts no other rate, so that every
// product sold lands in one of the till's two tax sums.
namespace taxrates {

inline constexpr auto Full = "19";
inline constexpr auto Reduced = "7";

} // namespace taxrates
