#pragma once
// The hand pointer's hot spot, shared by the painter of the pointer and the
// program that uses it, so the two cannot drift apart.
#include <QPoint>

namespace assets {

// The tip of the pointing finger in the 32 x 32 picture.
inline constexpr QPoint handHotSpot{12, 1};

} // namespace assets
