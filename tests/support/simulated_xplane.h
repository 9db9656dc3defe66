// A simulated X-Plane folder in a fresh temporary directory, with the plug-in
// linked into the test attached as Resources/plugins/Ovilux/lin_x64/Ovilux.xpl.
#pragma once

#include <string>

class SimulatedXPlane {
public:
    // Copies the fixture X-Plane tree into the new root when asked.
    explicit SimulatedXPlane(bool withFixtureTree = true);
    ~SimulatedXPlane();
    SimulatedXPlane(const SimulatedXPlane&) = delete;
    SimulatedXPlane& operator=(const SimulatedXPlane&) = delete;

    // XPluginStart, XPluginEnable.
    void startAndEnable();
    // XPluginDisable, XPluginStop when still running.
    void disableAndStop();
    // disableAndStop, then the folder goes.
    void remove();

    const std::string& root() const { return root_; }
    // ROOT/Resources/plugins/Ovilux/
    std::string pluginFolder() const;
    std::string path(const std::string& relative) const { return root_ + "/" + relative; }

    static std::string readFile(const std::string& path);
    static void writeFile(const std::string& path, const std::string& contents);
    static bool exists(const std::string& path);

private:
    void removeFolder();

    std::string root_;
    bool running_ = false;
};
