#include "community/community_curl.h"

#include <dlfcn.h>

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
#ifdef __APPLE__
const char* const kLibrary = "libcurl.4.dylib";
#else
const char* const kLibrary = "libcurl.so.4";
#endif

std::string chosenLibrary;
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
    "The community files need libcurl (libcurl.so.4), which this system does not have";
#endif

const CurlCalls* loadCommunityCurl(std::string* why) {
    std::string wanted = chosenLibrary.empty() ? kLibrary : chosenLibrary;
    if (library != nullptr && loadedLibrary == wanted) {
        return &calls;
    }
    unloadCommunityCurl();
    // Kept in memory once loaded: a name lookup that libcurl left running
    // on a thread of its own after a cancel may still be in its code.
    library = dlopen(wanted.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
    if (library == nullptr) {
        const char* error = dlerror();
        *why = error != nullptr ? error : wanted + " could not be loaded";
        return nullptr;
    }
    loadedLibrary = wanted;
    why->clear();
    if (!findAll(why) || calls.globalInit(CURL_GLOBAL_DEFAULT) != CURLE_OK) {
        if (why->empty()) {
            *why = wanted + " could not be set up";
        }
        dlclose(library);
        library = nullptr;
        loadedLibrary.clear();
        return nullptr;
    }
    return &calls;
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

void setCommunityCurlLibrary(const std::string& name) { chosenLibrary = name; }
