// The window's icon, from the images the program carries as Qt resources.
#pragma once

#include <QIcon>

namespace ringcalc::runtime {

/// The images under the resource folder ":/window-icon", each a square of bare RGBA bytes (files that are
/// not are left out); an empty icon when there are none.
[[nodiscard]] QIcon windowIcon();

} // namespace ringcalc::runtime
