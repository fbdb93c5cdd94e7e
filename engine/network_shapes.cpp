// Finding a shape by its number, for whatever reads a record's shape.
#include "engine/network_shapes.h"

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
