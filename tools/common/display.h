#pragma once
// Whether a window can be shown: always on Windows and macOS; elsewhere when an X11 or Wayland
// display, or a Qt platform of the caller's choice (such as offscreen), is named.
namespace tolvane {

bool HasDisplay();

}  // namespace tolvane
