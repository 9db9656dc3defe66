// The other aircraft by distance, and stepping through them.
#include "world/ai_datarefs.h"
#include "world/ai_traffic.h"

namespace {

std::multiset<AiSlot> sortedSlots;

}  // namespace

const std::multiset<AiSlot>& getSortedAiSlots() {
    sortedSlots.clear();
    int count = getActiveAIPlanes();
    for (int index = 0; index < count; ++index) {
        sortedSlots.insert(AiSlot{getAIPlaneDistance(index), index});
    }
    return sortedSlots;
}

int getNextAiIndex(int index) {
    int count = getActiveAIPlanes();
    return index + 1 < count ? index + 1 : 0;
}

int getPreviousAiIndex(int index) {
    int count = getActiveAIPlanes();
    if (index - 1 >= 0) {
        return index - 1;
    }
    return count > 0 ? count - 1 : 0;
}

int getNextDistantAIPlane(int index) {
    const std::multiset<AiSlot> slots = getSortedAiSlots();
    if (slots.empty()) {
        return 0;
    }
    bool afterIndex = false;
    for (const AiSlot& slot : slots) {
        if (afterIndex) {
            return slot.index;
        }
        afterIndex = slot.index == index;
    }
    return slots.begin()->index;
}

int getPreviousDistantAIPlane(int index) {
    const std::multiset<AiSlot> slots = getSortedAiSlots();
    if (slots.empty()) {
        return 0;
    }
    bool first = true;
    int before = 0;
    for (const AiSlot& slot : slots) {
        if (slot.index == index && !first) {
            return before;
        }
        before = slot.index;
        first = false;
    }
    return slots.rbegin()->index;
}

void resetAiTraffic() {
    sortedSlots.clear();
    forgetAiDataRefs();
}
