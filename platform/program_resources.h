// The numbers of the program's resources. Combinix.exe carries them in its
// resource script (window/combinix.rc, which includes this header); on Linux
// the platform layer builds the same icon in (from packaging/icons), so that
// LoadIconA finds it by the same number. Only preprocessor lines: the
// resource compiler reads this header too.
#pragma once

// The program's icon: the windows' icon on the title bar, the taskbar and
// the dock.
#define ProgramIconResource 1
