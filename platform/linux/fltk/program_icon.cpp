// The program's icon for the desktop: the built-in PNG files decoded once,
// on the first window that shows it. FLTK copies the images into each
// window's _NET_WM_ICON, which the taskbar and the dock read.
#include "platform/linux/fltk/program_icon.h"

#include <FL/Fl_PNG_Image.H>

namespace view {

namespace {

constexpr int MaxIconSizes = 8;

}  // namespace

const Fl_RGB_Image** programIconImages(int* count) {
    static Fl_RGB_Image* images[MaxIconSizes];
    static int decoded = -1;
    if (decoded < 0) {
        decoded = 0;
        for (int i = 0; i < programIconFileCount && decoded < MaxIconSizes; ++i) {
            const ProgramIconFile& file = programIconFiles[i];
            Fl_PNG_Image* image = new Fl_PNG_Image(nullptr, file.png, file.bytes);
            // A file that does not decode to its size with an alpha channel
            // is left out rather than shown wrong.
            if (image->w() != file.size || image->h() != file.size || image->d() != 4) {
                delete image;
                continue;
            }
            images[decoded++] = image;
        }
    }
    *count = decoded;
    return const_cast<const Fl_RGB_Image**>(images);
}

}  // namespace view
