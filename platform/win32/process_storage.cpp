// What the Windows build keeps for the whole process, freed when FreeLibrary unloads the DLL.
#include "platform/module_entry.h"

namespace qml::os {

void ReleaseProcessStorage() {
    ReleaseApplicationName();
    ReleaseWindowObjects();
}

}  // namespace qml::os
