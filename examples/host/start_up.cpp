// Start-up: translated log lines and the library's ready-made diagnostics.
#include "console.h"
#include "quorvel/multilanguage.h"

void ReportStartUp(bool databaseReady) {
    OutInitObjectResult("Database", databaseReady ? 1 : 0);
    OutInitObjectResult("Dialer", 0);
    LogML(1, "Console started with %d lines", 4);
    // The group's key would hold the number: extract warns and leaves it out.
    LogML(2, "{Line %d} is not configured", 3);
    OutLastError("Open %s", "console.ini");
    OutNeedEndSystem(nullptr);
}
