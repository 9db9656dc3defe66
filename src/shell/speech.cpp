#include "shell/speech.h"

#include <cstdarg>
#include <cstdio>

#include "shell/settings.h"
#include "xplane/sdk.h"

std::deque<std::string> SpeechManager::speech;

void SpeechManager::addSpeech(const std::string& text) { speech.push_back(text); }

void SpeechManager::processSpeech() {
    while (!speech.empty()) {
        std::string text = std::move(speech.front());
        speech.pop_front();
        XPLMSpeakString(text.c_str());
    }
}

size_t SpeechManager::pending() { return speech.size(); }

void SpeechManager::clear() { speech.clear(); }

void sXPLMSpeakString(const char* format, ...) {
    if (getSettings()->DISABLE_VOICE_PROMPTS) {
        return;
    }
    char text[2000];
    va_list args;
    va_start(args, format);
    vsnprintf(text, sizeof(text), format, args);
    va_end(args);
    SpeechManager::addSpeech(text);
}
