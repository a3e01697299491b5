#pragma once

// The process-wide switch that stands for the desktop drawing standard controls with its
// visual styles. The programs turn it on before their window is built; while it is on, the
// bevelled panels leave their face unfilled so that the parent's background shows. The state
// lives on the application object, so it ends with the application and needs no global.
namespace VisualStyles {

void enable();
void disable();
bool active();

} // namespace VisualStyles
