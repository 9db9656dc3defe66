// Commands: X-Plane's and the plug-ins', their handlers, and presses that are
// held across frames.
#include <algorithm>
#include <map>
#include <memory>

#include "command.h"
#include "internal.h"
#include "xpsim.h"

namespace xpsim::detail {
namespace {

// Never erased: plug-ins keep handles (pointers to these) across reset().
// Never destroyed either, so a plug-in's static destructors can still use them.
std::map<std::string, std::unique_ptr<Command>>& registry() {
    static auto* records = new std::map<std::string, std::unique_ptr<Command>>;
    static bool installed = false;
    if (!installed) {
        installed = true;
        installSimCommands();
    }
    return *records;
}

// Held commands in the order their presses began.
std::vector<Command*>& held() {
    static std::vector<Command*> commands;
    return commands;
}

uint64_t nextHandlerId = 1;
uint64_t lastCreationNumber = 0;

Command* present(const std::string& name) {
    auto it = registry().find(name);
    return it != registry().end() && it->second->present ? it->second.get() : nullptr;
}

Command* present(XPLMCommandRef ref) {
    auto* c = static_cast<Command*>(ref);
    return c && c->present ? c : nullptr;
}

// Runs the handlers of one side that were registered when the phase began;
// those removed meanwhile are skipped, those added wait for the next phase.
// False when one consumed the command.
bool runHandlers(Command& c, XPLMCommandPhase phase, int before) {
    std::vector<uint64_t> ids;
    for (const Handler& h : c.handlers)
        if (h.before == before) ids.push_back(h.id);
    for (uint64_t id : ids) {
        auto it = std::find_if(c.handlers.begin(), c.handlers.end(),
                               [id](const Handler& h) { return h.id == id; });
        if (it == c.handlers.end()) continue;
        Handler h = *it;
        if (h.callback(&c, phase, h.refcon) == 0) return false;
    }
    return true;
}

// X-Plane runs before-handlers, then its own processing, then after-handlers;
// any handler returning 0 stops everything after it.
void dispatch(Command& c, XPLMCommandPhase phase) {
    if (!runHandlers(c, phase, 1)) return;
    ++c.reached[phase];
    if (phase == xplm_CommandBegin && c.effect) c.effect(c.effectArgument);
    runHandlers(c, phase, 0);
}

void begin(Command& c) {
    if (c.holds++ > 0) return;
    held().push_back(&c);
    dispatch(c, xplm_CommandBegin);
}

void end(Command& c) {
    if (c.holds == 0) return;
    if (--c.holds > 0) return;
    held().erase(std::remove(held().begin(), held().end(), &c), held().end());
    dispatch(c, xplm_CommandEnd);
}

}  // namespace

uint64_t nextCreationNumber() { return ++lastCreationNumber; }

Command& commandRecord(const std::string& name) {
    auto& slot = registry()[name];
    if (!slot) {
        slot = std::make_unique<Command>();
        slot->name = name;
    }
    return *slot;
}

void resetCommands() {
    for (auto& entry : registry()) {
        Command& c = *entry.second;
        c.present = false;
        c.description.clear();
        c.effect = nullptr;
        c.effectArgument = 0;
        c.handlers.clear();
        c.reached = {};
        c.holds = 0;
    }
    held().clear();
    installSimCommands();
}

void runHeldCommands() {
    std::vector<Command*> commands = held();
    for (Command* c : commands)
        if (c->holds > 0) dispatch(*c, xplm_CommandContinue);
}

}  // namespace xpsim::detail

namespace detail = xpsim::detail;

XPLM_API XPLMCommandRef XPLMFindCommand(const char* inName) {
    return inName ? detail::present(std::string(inName)) : nullptr;
}

// A press that began is held until its end; a second begin of a held command
// only deepens the hold (one begin and one end phase in all).
XPLM_API void XPLMCommandBegin(XPLMCommandRef inCommand) {
    if (auto* c = detail::present(inCommand)) detail::begin(*c);
}

XPLM_API void XPLMCommandEnd(XPLMCommandRef inCommand) {
    if (auto* c = detail::present(inCommand)) detail::end(*c);
}

XPLM_API void XPLMCommandOnce(XPLMCommandRef inCommand) {
    if (auto* c = detail::present(inCommand)) {
        detail::dispatch(*c, xplm_CommandBegin);
        detail::dispatch(*c, xplm_CommandEnd);
    }
}

XPLM_API XPLMCommandRef XPLMCreateCommand(const char* inName, const char* inDescription) {
    if (!inName || !*inName) return nullptr;
    detail::Command& c = detail::commandRecord(inName);
    if (!c.present) {
        c.present = true;
        c.created = detail::nextCreationNumber();
        c.description = inDescription ? inDescription : "";
    }
    return &c;
}

// X-Plane keeps every registration, duplicates included.
XPLM_API void XPLMRegisterCommandHandler(XPLMCommandRef inComand, XPLMCommandCallback_f inHandler,
                                         int inBefore, void* inRefcon) {
    auto* c = detail::present(inComand);
    if (!c || !inHandler) return;
    c->handlers.push_back({detail::nextHandlerId++, inHandler, inBefore != 0 ? 1 : 0, inRefcon});
}

// Removes the earliest matching registration.
XPLM_API void XPLMUnregisterCommandHandler(XPLMCommandRef inComand,
                                           XPLMCommandCallback_f inHandler, int inBefore,
                                           void* inRefcon) {
    auto* c = detail::present(inComand);
    if (!c) return;
    int before = inBefore != 0 ? 1 : 0;
    auto it = std::find_if(c->handlers.begin(), c->handlers.end(), [&](const detail::Handler& h) {
        return h.callback == inHandler && h.before == before && h.refcon == inRefcon;
    });
    if (it != c->handlers.end()) c->handlers.erase(it);
}

namespace xpsim {

void commandOnce(const std::string& name) { XPLMCommandOnce(detail::present(name)); }
void commandBegin(const std::string& name) { XPLMCommandBegin(detail::present(name)); }
void commandEnd(const std::string& name) { XPLMCommandEnd(detail::present(name)); }
bool hasCommand(const std::string& name) { return detail::present(name) != nullptr; }

std::vector<std::string> commandNames(const std::string& prefix) {
    std::vector<const detail::Command*> found;
    for (const auto& entry : detail::registry())
        if (entry.second->present && entry.first.compare(0, prefix.size(), prefix) == 0)
            found.push_back(entry.second.get());
    std::sort(found.begin(), found.end(), [](const detail::Command* a, const detail::Command* b) {
        return a->created < b->created;
    });
    std::vector<std::string> names;
    for (const detail::Command* c : found) names.push_back(c->name);
    return names;
}

int handlerCount(const std::string& name) {
    auto* c = detail::present(name);
    return c ? static_cast<int>(c->handlers.size()) : 0;
}

int reachedXPlaneCount(const std::string& name) { return reachedXPlanePhases(name)[0]; }

std::array<int, 3> reachedXPlanePhases(const std::string& name) {
    auto* c = detail::present(name);
    return c ? c->reached : std::array<int, 3>{};
}

}  // namespace xpsim
