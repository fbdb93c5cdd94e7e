// Finding a shape by its number, for whatever reads a record's shape, and
// its formula with the names of its parts.
#include "engine/network_shapes.h"

#include <cstring>

#include "engine/networks.h"

const NetworkShape* networkShape(int id) {
    if (id == onePartShape.id) return &onePartShape;
    if (id == bridgeShape.id) return &bridgeShape;
    const struct {
        const NetworkTemplate* templates;
        int count;
    } sizes[] = {{twoPartTemplates, 2},         {threePartTemplates, 4},
                 {fourPartTemplates, 10},       {fivePartChainTemplates, 16},
                 {fivePartCompoundTemplates, 8}};
    for (const auto& size : sizes) {
        for (int t = 0; t < size.count; ++t) {
            if (size.templates[t].shape->id == id) return size.templates[t].shape;
        }
    }
    return nullptr;
}

int formatFormula(const NetworkShape& shape, const char* const* names, char* out, int size) {
    int n = 0;
    auto put = [&](char c) {
        if (n < size - 1) out[n] = c;
        ++n;
    };
    const char* p = strstr(shape.format, "%%, ");
    p = p ? p + 4 : shape.format;
    int part = 0;
    for (; *p != '\0' && *p != '\r' && *p != '\n'; ++p) {
        if (p[0] == '%' && p[1] == 's') {
            const char* name = part < shape.parts && names[part] ? names[part] : "";
            ++part;
            for (const char* q = name; *q != '\0'; ++q) put(*q);
            ++p;
        } else {
            put(*p);
        }
    }
    if (size > 0) out[n < size ? n : size - 1] = '\0';
    return n;
}
