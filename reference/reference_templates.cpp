// The reference loops in the shape runSearch calls templates through.
#include "reference/reference_networks.h"

namespace reference {

const NetworkTemplates templates = {runOnePartNetworks, runNetworksOfSize};

}  // namespace reference
