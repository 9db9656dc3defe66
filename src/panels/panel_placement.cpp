#include "panels/panel_placement.h"

#include <algorithm>

#include "panels/monitor_bounds.h"
#include "shell/settings.h"
#include "xplane/sdk.h"

namespace {

const int kFloatingMode = 1;
const int kPoppedOutMode = 2;
const int kDockedMode = 3;

// Either system: the operating system's monitors have their top above (less
// than) their bottom, X-Plane's global ones below it.
bool cornerOnMonitor(const MonitorBounds& bounds, int slot, int x, int y) {
    int left = bounds.left[slot], right = bounds.right[slot];
    int low = std::min(bounds.top[slot], bounds.bottom[slot]);
    int high = std::max(bounds.top[slot], bounds.bottom[slot]);
    if (right <= left || high <= low) {
        return false;  // an empty slot
    }
    return x >= left && x <= right && y >= low && y <= high;
}

}  // namespace

// One axis of a rectangle onto the span [low, high]: no longer than the span,
// `from` kept unless the far end would leave it. `towards` is +1 when the far
// edge lies above (greater than) `from`, else -1.
void fitSpan(int low, int high, int towards, int* from, int* to) {
    long long span = static_cast<long long>(high) - low;
    long long length = (static_cast<long long>(*to) - *from) * towards;
    if (length > span) {
        length = span;
    }
    long long far = *from + towards * length;
    if (far > high) {
        far = high;
    } else if (far < low) {
        far = low;
    }
    *to = static_cast<int>(far);
    *from = static_cast<int>(far - towards * length);
}

bool isWindowPositionValid(const WindowPosition* position, int minWidth, int minHeight) {
    if (position == nullptr) {
        return false;
    }
    MonitorBounds bounds{};
    long long height = 0;
    if (position->mode == kFloatingMode || position->mode == kDockedMode) {
        getMonitorBounds(&bounds);
        height = static_cast<long long>(position->top) - position->bottom;
    } else if (position->mode == kPoppedOutMode) {
        getMonitorBoundsOS(&bounds);
        height = static_cast<long long>(position->bottom) - position->top;
    } else {
        return false;
    }
    long long width = static_cast<long long>(position->right) - position->left;
    if (width < minWidth || height < minHeight || width <= 0 || height <= 0) {
        return false;
    }
    // The OS list fills the slots of the monitors' indexes, which may leave gaps.
    for (int slot = 0; slot < kMaxMonitors; ++slot) {
        if (cornerOnMonitor(bounds, slot, position->left, position->top)) {
            return true;
        }
    }
    return false;
}

WindowPosition fittedToMonitor(const WindowPosition& position) {
    MonitorBounds bounds{};
    int down = 1;  // +1: y grows downwards, the operating system's way
    if (position.mode == kFloatingMode || position.mode == kDockedMode) {
        getMonitorBounds(&bounds);
        down = -1;
    } else if (position.mode == kPoppedOutMode) {
        getMonitorBoundsOS(&bounds);
    } else {
        return position;
    }
    for (int slot = 0; slot < kMaxMonitors; ++slot) {
        if (!cornerOnMonitor(bounds, slot, position.left, position.top)) {
            continue;
        }
        WindowPosition fitted = position;
        fitSpan(bounds.left[slot], bounds.right[slot], 1, &fitted.left, &fitted.right);
        int low = std::min(bounds.top[slot], bounds.bottom[slot]);
        int high = std::max(bounds.top[slot], bounds.bottom[slot]);
        fitSpan(low, high, down, &fitted.top, &fitted.bottom);
        return fitted;
    }
    return position;
}
