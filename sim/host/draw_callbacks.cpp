// Draw callbacks: X-Plane calls them around the drawing phase they asked for.
// The simulator draws only the window phase, so only its callbacks run.
#include <algorithm>
#include <vector>

#include "internal.h"
#include "xpsim.h"

namespace xpsim {
namespace {

struct DrawCallback {
    XPLMDrawCallback_f callback;
    XPLMDrawingPhase phase;
    int wantsBefore;
    void* refcon;

    bool operator==(const DrawCallback& o) const {
        return callback == o.callback && phase == o.phase && wantsBefore == o.wantsBefore &&
               refcon == o.refcon;
    }
};

std::vector<DrawCallback> callbacks;
int calls = 0;

bool registered(const DrawCallback& c) {
    return std::find(callbacks.begin(), callbacks.end(), c) != callbacks.end();
}

}  // namespace

int drawCallbackCount() { return static_cast<int>(callbacks.size()); }

bool isDrawCallbackRegistered(XPLMDrawCallback_f callback, XPLMDrawingPhase phase,
                              int wantsBefore, void* refcon) {
    return registered({callback, phase, wantsBefore, refcon});
}

int drawCallbackCalls() { return calls; }

namespace detail {

void runDrawCallbacks(XPLMDrawingPhase phase, bool before) {
    if (!pluginCallbacksAllowed()) return;
    // A callback may unregister itself or another: walk a copy and skip the
    // ones gone since.
    std::vector<DrawCallback> due = callbacks;
    for (const DrawCallback& c : due) {
        if (c.phase != phase || (c.wantsBefore != 0) != before || !registered(c)) continue;
        ++calls;
        c.callback(c.phase, before ? 1 : 0, c.refcon);
    }
}

void dropDrawCallbacks() { callbacks.clear(); }

void resetDrawCallbacks() {
    callbacks.clear();
    calls = 0;
}

}  // namespace detail
}  // namespace xpsim

XPLM_API int XPLMRegisterDrawCallback(XPLMDrawCallback_f inCallback, XPLMDrawingPhase inPhase,
                                      int inWantsBefore, void* inRefcon) {
    if (!inCallback) return 0;
    xpsim::callbacks.push_back({inCallback, inPhase, inWantsBefore, inRefcon});
    return 1;
}

XPLM_API int XPLMUnregisterDrawCallback(XPLMDrawCallback_f inCallback, XPLMDrawingPhase inPhase,
                                        int inWantsBefore, void* inRefcon) {
    auto& list = xpsim::callbacks;
    auto it = std::find(list.begin(), list.end(),
                        xpsim::DrawCallback{inCallback, inPhase, inWantsBefore, inRefcon});
    if (it == list.end()) return 0;
    list.erase(it);
    return 1;
}
