// The resources that the executable carries and the Win32 layer loads: shared by the resource script.
#pragma once

/// The icon group of the executable, the window's icon.
#define RINGCALC_ICON_GROUP 1
