#include "targets_fixture.h"

#include "cameras/targets/fixed_targets.h"
#include "cameras/targets/near_targets.h"
#include "cameras/targets/target_grid.h"
#include "xpsim.h"

void TargetsFixture::SetUp() {
    PositioningFixture::SetUp();
    freeTargets();
    resetNearTargets();
    // Not placed yet, as after loading.
    Target* freeTarget = getFreeTarget();
    freeTarget->latitude = -90.0;
    freeTarget->longitude = 0;
    freeTarget->elevation = 0;
    // The carrier 20 km east and the frigate 30 km north of the aircraft's
    // place, so that they do not crowd the near targets.
    xpsim::setValue("sim/world/boat/x_mtr", 20000.0, 0);
    xpsim::setValue("sim/world/boat/z_mtr", -30000.0, 1);
    xpsim::setValue("sim/world/boat/heading_deg", 45.0, 0);
}

std::string TargetsFixture::targetsFilePath() const {
    return xplane.pluginFolder() + "MyTargets/MyTargets.csv";
}

std::string TargetsFixture::readTargetsFile() const {
    return SimulatedXPlane::readFile(targetsFilePath());
}

void TargetsFixture::writeTargetsFile(const std::string& text) const {
    SimulatedXPlane::writeFile(targetsFilePath(), text);
}

std::vector<std::string> TargetsFixture::collectedNames() const {
    std::vector<std::string> names;
    for (int i = 0; i < getNumberOfCollectedTargets(); ++i) {
        names.push_back(getCollectedTarget(i)->name);
    }
    return names;
}
