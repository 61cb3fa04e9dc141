// The example console: a small telephony host whose texts the translator tools work on.
#pragma once

// The text macro of Windows builds; the console is built with narrow texts.
#ifndef _T
#define _T(text) text
#endif

// Each part shows or logs its texts through the library.
void ShowIncomingCall(const char* caller, int line);
void ShowVoicemail(unsigned long count, const char* owner);
void ReportStartUp(bool databaseReady);
// The dialog, menu and strings of console.rc, translated as the console shows them.
void ShowResources();
