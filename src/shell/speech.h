// Spoken messages: queued wherever they arise on the main thread and handed to
// X-Plane at the start of the next main flight loop.
#pragma once

#include <deque>
#include <string>

class SpeechManager {
public:
    static void addSpeech(const std::string& text);
    // Speaks every queued text, in queue order.
    static void processSpeech();
    static size_t pending();
    static void clear();

private:
    static std::deque<std::string> speech;
};

// printf-style; nothing is queued while voice prompts are switched off.
void sXPLMSpeakString(const char* format, ...) __attribute__((format(printf, 1, 2)));
