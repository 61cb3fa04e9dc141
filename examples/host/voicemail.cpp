// The voicemail view: templates, a raw string, escapes, a message box and a key of its own
// section.
#include <cstdio>

#include "console.h"
#include "quorvel/multilanguage.h"

void ShowVoicemail(unsigned long count, const char* owner) {
    char text[256];
    // The number stays out of the lookup; the sentence around it is translated.
    std::puts(GetMLFormatString(text, sizeof text, "You have $%%lu$ {new} messages", count));
    // A group that holds the conversion is one key; its translation keeps the %s.
    std::puts(GetMLFormatString(text, sizeof text, "{Voicemail of %%s}", "%s", owner));
    std::puts(GetMultiLngText_ByAutoPart(text, sizeof text, R"({Call forwarding} is "on")"));
    std::puts(GetMultiLngText_ByAutoPart(text, sizeof text, "Greeting\x20recorded\tby %s", owner));
    MsgBoxML(nullptr, "Warning", 0, "Mailbox %s is full", owner);
    std::puts(GetMultiLanguageText("Mailbox", text, sizeof text, "Captions"));
}
