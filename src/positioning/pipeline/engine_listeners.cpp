#include "positioning/pipeline/engine_listeners.h"

#include <algorithm>
#include <vector>

namespace {
std::vector<EngineListener> listeners;
}  // namespace

void addEngineListener(EngineListener listener) {
    if (std::find(listeners.begin(), listeners.end(), listener) == listeners.end()) {
        listeners.push_back(listener);
    }
}

void removeEngineListener(EngineListener listener) {
    listeners.erase(std::remove(listeners.begin(), listeners.end(), listener), listeners.end());
}

void tellEngineListeners(EngineEvent event) {
    // By index: a listener may register another while it is told.
    for (size_t i = 0; i < listeners.size(); ++i) {
        listeners[i](event);
    }
}
