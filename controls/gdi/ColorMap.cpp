#include "controls/gdi/ColorMap.h"

#include <array>
#include <utility>

namespace norvik {

namespace {

using Role = QPalette::ColorRole;

// The desktop's system colours by index, as palette roles (a disabled-group entry marks the
// grey text colour, which has no role of its own).
struct SystemRole {
    QPalette::ColorGroup group;
    Role role;
};

constexpr std::array<SystemRole, 31> kSystemRoles{{
    {QPalette::Active, Role::Button},          // 0 scroll bar
    {QPalette::Active, Role::Window},          // 1 desktop
    {QPalette::Active, Role::Highlight},       // 2 active caption
    {QPalette::Inactive, Role::Highlight},     // 3 inactive caption
    {QPalette::Active, Role::Window},          // 4 menu
    {QPalette::Active, Role::Base},            // 5 window
    {QPalette::Active, Role::Shadow},          // 6 window frame
    {QPalette::Active, Role::WindowText},      // 7 menu text
    {QPalette::Active, Role::WindowText},      // 8 window text
    {QPalette::Active, Role::HighlightedText}, // 9 caption text
    {QPalette::Active, Role::Window},          // 10 active border
    {QPalette::Active, Role::Window},          // 11 inactive border
    {QPalette::Active, Role::Dark},            // 12 application workspace
    {QPalette::Active, Role::Highlight},       // 13 highlight
    {QPalette::Active, Role::HighlightedText}, // 14 highlight text
    {QPalette::Active, Role::Button},          // 15 button face
    {QPalette::Active, Role::Dark},            // 16 button shadow
    {QPalette::Disabled, Role::Text},          // 17 grey text
    {QPalette::Active, Role::ButtonText},      // 18 button text
    {QPalette::Inactive, Role::WindowText},    // 19 inactive caption text
    {QPalette::Active, Role::Light},           // 20 button highlight
    {QPalette::Active, Role::Shadow},          // 21 3-D dark shadow
    {QPalette::Active, Role::Midlight},        // 22 3-D light
    {QPalette::Active, Role::ToolTipText},     // 23 info text
    {QPalette::Active, Role::ToolTipBase},     // 24 info background
    {QPalette::Active, Role::Button},          // 25 (unused by the desktop)
    {QPalette::Active, Role::Link},            // 26 hot light
    {QPalette::Active, Role::Highlight},       // 27 active caption gradient
    {QPalette::Inactive, Role::Highlight},     // 28 inactive caption gradient
    {QPalette::Active, Role::Highlight},       // 29 menu highlight
    {QPalette::Active, Role::Window},          // 30 menu bar
}};

} // namespace

QColor toQColor(TColor color, const QPalette& palette) {
    if (tcolor::isSystem(color)) {
        const std::size_t index = tcolor::systemIndex(color);
        if (index >= kSystemRoles.size()) {
            return palette.color(QPalette::Active, Role::Window);
        }
        const SystemRole& entry = kSystemRoles[index];
        return palette.color(entry.group, entry.role);
    }
    return QColor(tcolor::red(color), tcolor::green(color), tcolor::blue(color));
}

TColor fromQColor(const QColor& color) {
    return tcolor::rgb(static_cast<std::uint8_t>(color.red()),
                       static_cast<std::uint8_t>(color.green()),
                       static_cast<std::uint8_t>(color.blue()));
}

} // namespace norvik
