#include "community/community_server.h"

#include <mutex>

namespace {
std::mutex serverLock;
std::string overrideAddress;
std::string overridePassword;
CommunityTimeLimits timeLimits;
}  // namespace

std::string communityServerAddress() {
    std::lock_guard<std::mutex> hold(serverLock);
    return overrideAddress.empty() ? builtCommunityServerAddress() : overrideAddress;
}

std::string communityServerPassword() {
    std::lock_guard<std::mutex> hold(serverLock);
    return overrideAddress.empty() ? builtCommunityServerPassword() : overridePassword;
}

void setCommunityServer(const std::string& address, const std::string& password) {
    std::lock_guard<std::mutex> hold(serverLock);
    overrideAddress = address;
    overridePassword = address.empty() ? std::string() : password;
    if (address.empty()) {
        timeLimits = CommunityTimeLimits();
    }
}

CommunityTimeLimits communityTimeLimits() {
    std::lock_guard<std::mutex> hold(serverLock);
    return timeLimits;
}

void setCommunityTimeLimits(const CommunityTimeLimits& limits) {
    std::lock_guard<std::mutex> hold(serverLock);
    timeLimits = limits;
}
