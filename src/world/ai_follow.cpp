// Following one aircraft across X-Plane's reordering of its TCAS targets.
#include "world/ai_datarefs.h"
#include "world/ai_traffic.h"

int findNewTcasSlot(int id) {
    const AiDataRefs& refs = aiDataRefs();
    if (!hasTcasSupport() || refs.modeS == nullptr) {
        return 0;
    }
    int count = getActiveAIPlanes();
    int ids[kTcasTargets] = {};
    int wanted = count + 1 < kTcasTargets ? count + 1 : kTcasTargets;
    int got = XPLMGetDatavi(refs.modeS, ids, 0, wanted);
    for (int index = 0; index < count && index + 1 < got; ++index) {
        if (ids[index + 1] == id) {
            return index;
        }
    }
    return 0;
}

void checkSlotChange(int& index, int& id) {
    if (getTcasId(index) == id) {
        return;
    }
    index = findNewTcasSlot(id);
    id = getTcasId(index);
}
