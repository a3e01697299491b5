#pragma once

// The process-wide switch that stands for the desktop drawing standard controls with its
// visual styles. The visual-style component on each program's form turns it on while the form
// is built, before anything is painted; while it is on, the bevelled panels leave their face
// unfilled so that the parent's background shows. The state lives on the application object,
// so it ends with the application and needs no global.
namespace norvik::visualstyles {

void enable();
void disable();
bool active();

} // namespace norvik::visualstyles
