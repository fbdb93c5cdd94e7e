// The reference loops in the shape runSearch calls templates through.
#include "tests/reference/reference_networks.h"

namespace reference {

const NetworkTemplates templates = {runOnePartNetworks, runNetworksOfSize};

}  // namespace reference
