#pragma once
// Where the frame starts: the window placement kept in the settings, checked,
// and a normal rectangle that lies off every screen brought back onto one.
// Numbers and layout are Win32's, written out here without windows.h.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

// A rectangle in pixels; right and bottom lie just outside it.
struct ScreenRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    friend bool operator==(const ScreenRect&, const ScreenRect&) = default;
};

// Show commands as Win32 numbers them (SW_SHOWNORMAL, SW_SHOWMINIMIZED, SW_SHOWMAXIMIZED).
inline constexpr std::uint32_t kShowNormal = 1;
inline constexpr std::uint32_t kShowMinimized = 2;
inline constexpr std::uint32_t kShowMaximized = 3;

// A stored placement is a WINDOWPLACEMENT: eleven little-endian 32-bit fields
// (length, flags, showCmd, ptMinPosition, ptMaxPosition, rcNormalPosition),
// the length field holding the size.
inline constexpr std::size_t kStoredPlacementSize = 44;

// What the frame takes from a stored placement.
struct StartingPlacement {
    std::uint32_t showCommand = kShowNormal;
    ScreenRect normal;  // the restored rectangle, in workspace coordinates
};

// The placement to start with, or none when the bytes are not a placement
// (wrong size or length field, an empty normal rectangle). A frame saved
// maximised starts maximised; every other state, minimised included, starts
// normal: a program that starts minimised shows no window to come back to.
std::optional<StartingPlacement> ReadStoredPlacement(std::span<const std::uint8_t> stored);

// The rectangle moved inside the area, and shrunk to the area where it is
// larger. An empty area leaves the rectangle as it is.
ScreenRect FitInside(const ScreenRect& rect, const ScreenRect& area);

// The rectangle as it is while it overlaps the work area (a window partly off
// screen can still be dragged back); fitted inside the work area otherwise.
ScreenRect KeepOnScreen(const ScreenRect& rect, const ScreenRect& workArea);
