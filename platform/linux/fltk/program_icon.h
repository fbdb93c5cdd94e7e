// The program's icon as the view builds it in: the PNG files of
// packaging/icons, as bytes in the program (made by platform/CMakeLists.txt),
// decoded once into the images a top-level window hands the desktop.
#pragma once

#include <FL/Fl_Image.H>

namespace view {

struct ProgramIconFile {
    int size;  // pixels, square
    const unsigned char* png;
    int bytes;
};

extern const ProgramIconFile programIconFiles[];
extern const int programIconFileCount;

// The icon in every size that decodes, the smallest first; `count` is how
// many (0 when none does, and the window shows none).
const Fl_RGB_Image** programIconImages(int* count);

}  // namespace view
