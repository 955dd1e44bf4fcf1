#pragma once

// What the window and the command line start with.
inline constexpr int defaultLabelWidthMm = 100;
inline constexpr int defaultLabelHeightMm = 10;
inline constexpr int defaultLabelPointSize = 10;
// "Arial" is matched by a metric-compatible face where it is not installed.
inline constexpr const char *defaultLabelFamily = "Arial";
