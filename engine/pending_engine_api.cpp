// Stand-in until the engine's seed and checkpoint work is merged.
#include "trial_tally.h"
namespace vesquin {
std::int32_t ModalBroken(const RunTally& tally) {
    if (tally.oneCount > tally.twoCount && tally.oneCount > tally.threeCount) return 1;
    return tally.twoCount > tally.threeCount ? 2 : 3;
}
}  // namespace vesquin
