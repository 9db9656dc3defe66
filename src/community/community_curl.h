// libcurl, the FTP client of the community exchanges. It is loaded when the
// first exchange starts, not linked: the module then loads without it,
// whatever build of libcurl (flavour, symbol versions) a system has, and a
// system without one loses only the community files. Its functions are
// looked up by name; its headers come from the build machine.
#pragma once

#include <curl/curl.h>

#include <string>
#include <vector>

// The calls of libcurl the exchanges make.
struct CurlCalls {
    CURLcode (*globalInit)(long flags);
    void (*globalCleanup)();
    CURL* (*easyInit)();
    CURLcode (*easySetopt)(CURL* handle, CURLoption option, ...);
    CURLcode (*easyGetinfo)(CURL* handle, CURLINFO info, ...);
    void (*easyCleanup)(CURL* handle);
    const char* (*easyStrerror)(CURLcode code);
    CURLM* (*multiInit)();
    CURLMcode (*multiAddHandle)(CURLM* multi, CURL* handle);
    CURLMcode (*multiRemoveHandle)(CURLM* multi, CURL* handle);
    CURLMcode (*multiPerform)(CURLM* multi, int* running);
    CURLMcode (*multiPoll)(CURLM* multi, curl_waitfd* extra, unsigned int extraCount,
                           int timeoutMilliseconds, int* ready);
    CURLMsg* (*multiInfoRead)(CURLM* multi, int* queued);
    CURLMcode (*multiCleanup)(CURLM* multi);
    curl_slist* (*slistAppend)(curl_slist* list, const char* text);
    void (*slistFreeAll)(curl_slist* list);
};

// What the share and the update window say (and log) without libcurl.
extern const char* const kNoCurlMessage;

// Main thread, before an exchange's worker starts: libcurl, loaded and set
// up on the first call, the first of its builds that loads ("libcurl.so.4",
// then the GnuTLS and the NSS builds Debian-family desktops may carry
// instead), logged with the one that serves; null when none can be loaded,
// with each one's reason in *why. The calls stay valid until
// unloadCommunityCurl.
const CurlCalls* loadCommunityCurl(std::string* why);
// XPluginStop, once every exchange has ended.
void unloadCommunityCurl();

// Tests: the loader passes over these names, as on a system without them
// (none for the system as it is). Takes effect at the next load, between
// exchanges.
void hideCommunityCurlLibraries(const std::vector<std::string>& names);
