#include "model/tables/screen_placement.h"

#include <algorithm>

namespace {

std::uint32_t Field(std::span<const std::uint8_t> bytes, std::size_t index) {
    const std::size_t at = index * 4;
    return std::uint32_t(bytes[at]) | std::uint32_t(bytes[at + 1]) << 8 | std::uint32_t(bytes[at + 2]) << 16 |
           std::uint32_t(bytes[at + 3]) << 24;
}

std::int32_t SignedField(std::span<const std::uint8_t> bytes, std::size_t index) {
    return static_cast<std::int32_t>(Field(bytes, index));
}

// Sizes in 64 bits: the edges may be anything a hand-edited registry holds.
std::int64_t Width(const ScreenRect& rect) { return std::int64_t(rect.right) - rect.left; }
std::int64_t Height(const ScreenRect& rect) { return std::int64_t(rect.bottom) - rect.top; }

}  // namespace

std::optional<StartingPlacement> ReadStoredPlacement(std::span<const std::uint8_t> stored) {
    if (stored.size() != kStoredPlacementSize || Field(stored, 0) != kStoredPlacementSize) return std::nullopt;
    StartingPlacement placement;
    placement.showCommand = Field(stored, 2) == kShowMaximized ? kShowMaximized : kShowNormal;
    placement.normal = {SignedField(stored, 7), SignedField(stored, 8), SignedField(stored, 9), SignedField(stored, 10)};
    if (Width(placement.normal) <= 0 || Height(placement.normal) <= 0) return std::nullopt;
    return placement;
}

ScreenRect FitInside(const ScreenRect& rect, const ScreenRect& area) {
    if (Width(area) <= 0 || Height(area) <= 0) return rect;
    const std::int64_t width = std::clamp<std::int64_t>(Width(rect), 0, Width(area));
    const std::int64_t height = std::clamp<std::int64_t>(Height(rect), 0, Height(area));
    const std::int64_t left = std::clamp<std::int64_t>(rect.left, area.left, area.right - width);
    const std::int64_t top = std::clamp<std::int64_t>(rect.top, area.top, area.bottom - height);
    return {std::int32_t(left), std::int32_t(top), std::int32_t(left + width), std::int32_t(top + height)};
}

ScreenRect KeepOnScreen(const ScreenRect& rect, const ScreenRect& workArea) {
    const bool overlaps = std::max(rect.left, workArea.left) < std::min(rect.right, workArea.right) &&
                          std::max(rect.top, workArea.top) < std::min(rect.bottom, workArea.bottom);
    return overlaps ? rect : FitInside(rect, workArea);
}
