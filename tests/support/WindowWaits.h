#pragma once

// How long a test waits for the window manager to show or activate a
// window. On a busy machine it can take well over Qt's default five seconds;
// the waits end as soon as the window is there, so a long limit costs
// nothing when all is well.
constexpr int WindowManagerTimeout = 20000;
