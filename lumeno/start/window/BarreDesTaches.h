#pragma once

// The desktop's task bar. On Linux it is the desktop's own panel, which a program cannot hide or
// show: both calls do nothing and report that nothing was done.
namespace BarreDesTaches {
bool cacher();  // HideTaskBar
bool montrer(); // ShowTaskBar
} // namespace BarreDesTaches
