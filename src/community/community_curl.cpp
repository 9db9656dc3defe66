#include "community/community_curl.h"

#include <dlfcn.h>

#include <algorithm>

#include "shell/log.h"

#if defined(__linux__) && defined(__x86_64__) && defined(__GLIBC__)
// The loader's calls in their first versions: glibc from 2.34 has them in the
// C library under both, and older ones in libdl, which X-Plane has loaded to
// load its plug-ins. The 2.34 versions would keep the module from loading on
// the older systems the README lists.
__asm__(".symver dlopen,dlopen@GLIBC_2.2.5");
__asm__(".symver dlsym,dlsym@GLIBC_2.2.5");
__asm__(".symver dlclose,dlclose@GLIBC_2.2.5");
__asm__(".symver dlerror,dlerror@GLIBC_2.2.5");
#endif

namespace {
// The builds tried, in this order: the OpenSSL build most systems have,
// then the GnuTLS and NSS builds that some Debian and Ubuntu desktops carry
// alone.
#ifdef __APPLE__
const char* const kLibraries[] = {"libcurl.4.dylib"};
#else
const char* const kLibraries[] = {"libcurl.so.4", "libcurl-gnutls.so.4", "libcurl-nss.so.4"};
#endif

std::vector<std::string> hiddenLibraries;
// The hidden names changed since the library was loaded.
bool hiddenChanged = false;
std::string loadedLibrary;
void* library = nullptr;
CurlCalls calls;

template <typename Function>
bool find(const char* name, Function* function, std::string* why) {
    *function = reinterpret_cast<Function>(dlsym(library, name));
    if (*function == nullptr && why->empty()) {
        *why = std::string(loadedLibrary) + " has no " + name;
    }
    return *function != nullptr;
}

bool findAll(std::string* why) {
    // Every one is looked for, so the reason names the first missing.
    bool found = find("curl_global_init", &calls.globalInit, why);
    found = find("curl_global_cleanup", &calls.globalCleanup, why) && found;
    found = find("curl_easy_init", &calls.easyInit, why) && found;
    found = find("curl_easy_setopt", &calls.easySetopt, why) && found;
    found = find("curl_easy_getinfo", &calls.easyGetinfo, why) && found;
    found = find("curl_easy_cleanup", &calls.easyCleanup, why) && found;
    found = find("curl_easy_strerror", &calls.easyStrerror, why) && found;
    found = find("curl_multi_init", &calls.multiInit, why) && found;
    found = find("curl_multi_add_handle", &calls.multiAddHandle, why) && found;
    found = find("curl_multi_remove_handle", &calls.multiRemoveHandle, why) && found;
    found = find("curl_multi_perform", &calls.multiPerform, why) && found;
    found = find("curl_multi_poll", &calls.multiPoll, why) && found;
    found = find("curl_multi_info_read", &calls.multiInfoRead, why) && found;
    found = find("curl_multi_cleanup", &calls.multiCleanup, why) && found;
    found = find("curl_slist_append", &calls.slistAppend, why) && found;
    found = find("curl_slist_free_all", &calls.slistFreeAll, why) && found;
    return found;
}
}  // namespace

#ifdef __APPLE__
const char* const kNoCurlMessage =
    "The community files need libcurl (libcurl.4.dylib), which this system does not have";
#else
const char* const kNoCurlMessage =
    "The community files need libcurl (libcurl.so.4, libcurl-gnutls.so.4 or libcurl-nss.so.4), "
    "which this system does not have";
#endif

namespace {
// One build: loaded and set up, or nothing held with the reason in *why.
bool loadLibrary(const std::string& name, std::string* why) {
    if (std::find(hiddenLibraries.begin(), hiddenLibraries.end(), name) !=
        hiddenLibraries.end()) {
        *why = name + ": hidden";
        return false;
    }
    // Kept in memory once loaded: a name lookup that libcurl left running
    // on a thread of its own after a cancel may still be in its code.
    library = dlopen(name.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
    if (library == nullptr) {
        const char* error = dlerror();
        *why = error != nullptr ? error : name + " could not be loaded";
        return false;
    }
    loadedLibrary = name;
    why->clear();
    if (!findAll(why) || calls.globalInit(CURL_GLOBAL_DEFAULT) != CURLE_OK) {
        if (why->empty()) {
            *why = name + " could not be set up";
        }
        dlclose(library);
        library = nullptr;
        loadedLibrary.clear();
        calls = CurlCalls();
        return false;
    }
    return true;
}
}  // namespace

const CurlCalls* loadCommunityCurl(std::string* why) {
    if (library != nullptr && !hiddenChanged) {
        return &calls;
    }
    unloadCommunityCurl();
    hiddenChanged = false;
    std::string passedOver;
    for (const char* name : kLibraries) {
        std::string reason;
        if (loadLibrary(name, &reason)) {
            why->clear();
            std::string note = passedOver.empty() ? "" : " (" + passedOver + ")";
            sLogMsg("libcurl: using %s%s", name, note.c_str());
            return &calls;
        }
        passedOver += (passedOver.empty() ? "" : "; ") + reason;
    }
    *why = passedOver;
    return nullptr;
}

void unloadCommunityCurl() {
    if (library == nullptr) {
        return;
    }
    calls.globalCleanup();
    dlclose(library);
    library = nullptr;
    loadedLibrary.clear();
    calls = CurlCalls();
}

void hideCommunityCurlLibraries(const std::vector<std::string>& names) {
    hiddenLibraries = names;
    hiddenChanged = true;
}
