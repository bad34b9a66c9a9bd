#pragma once
// Every colour the program paints, as plain red-green-blue triples, so that the logic can say
// which colour a cell takes without the window toolkit. The windows turn them into QColor
// with ToQColor (platform/ui/colours.h).

struct Rgb {
    int red, green, blue;
    friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb White{255, 255, 255};
inline constexpr Rgb Black{0, 0, 0};
inline constexpr Rgb Lime{0, 255, 0};
inline constexpr Rgb Red{255, 0, 0};
inline constexpr Rgb Silver{192, 192, 192};
inline constexpr Rgb Yellow{255, 255, 0};
inline constexpr Rgb Blue{0, 0, 255};
inline constexpr Rgb Magenta{255, 0, 255};
inline constexpr Rgb Aqua{0, 255, 255};
inline constexpr Rgb Teal{0, 128, 128};
// The points-condition window and the points edits of horses outside the system.
inline constexpr Rgb PointsTeal{0, 170, 170};
// The unmarked rows of the race-data window and the main window's client area.
inline constexpr Rgb PaleCream{255, 255, 232};
// The background of the help and information windows.
inline constexpr Rgb Cream{255, 251, 240};

// The group colours A-D by group number 1-4; index 0 (unmarked) is white.
inline constexpr Rgb GroupColours[5] = {White, Magenta, Yellow, Aqua, Silver};
