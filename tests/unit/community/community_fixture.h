// A simulated X-Plane whose plug-in folder holds a community library, and the
// rows of the camera files put into it.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "community/data_cache.h"
#include "unit/cameras/camera_fixture.h"

// The Cessna is the user's aircraft (loaded only when a test asks for it).
class CommunityLibraryTest : public CameraFixture {
protected:
    // ROOT/Resources/plugins/Ovilux/CommunityAircraftCameras/NAME
    std::string libraryPath(const std::string& name) const;
    void libraryFile(const std::string& name, const std::string& text) const;
    // Polls as the frames would; fails rather than hangs.
    static bool waitUntilCached();
    // The cached list once the worker has finished; empty when it never did.
    static std::vector<GlobalCameraFileNameEntry> cachedList();
    static const GlobalCameraFileNameEntry* find(const std::vector<GlobalCameraFileNameEntry>& list,
                                                 const std::string& fileName);
};

// A camera row as the writer makes it, with the file-level columns given.
std::string communityRow(const std::string& category, const std::string& camera,
                         int categoryIndex, const std::string& aircraft = "Cessna_172SP",
                         const std::string& author = "Jane Pilot ",
                         const std::string& fileVersion = "1.0 ",
                         const std::string& programVersion = "2.4.3");
