#include "control/builtin_lists.h"
#include "control/shared_state.h"
const DefaultText defaultTexts[DefaultTextCount] = {
    {1, "1.42k"}, {2, "1"}, {3, "5"}, {4, "200"},
    {10, "10\r\n100\r\n1k\r\n10k\r\n100k\r\n--Invalid List--\r\n"},
};
void fillDefaultTexts() {
    for (const DefaultText& d : defaultTexts) if (d.text) setText(textBuffers[d.buffer], d.text);
}
