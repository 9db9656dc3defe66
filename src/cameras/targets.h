// Named world points a camera can look at or follow.
#pragma once

void readTargets();
