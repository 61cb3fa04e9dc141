// What the library keeps for the whole process on POSIX, freed when dlclose unloads the
// library (module/module_unload_posix.cpp tells that unload from the end of the process).
#include "platform/module_entry.h"
#include "platform/posix/profile_cache.h"
#include "platform/posix/window_message_box.h"
#include "platform/posix/window_table.h"

namespace qml::os {

void ReleaseProcessStorage() {
    ReleaseApplicationName();
    ReleaseWindowObjects();
    ReleaseRegistryKeys();
    posix::ReleaseProfileCache();
    windows::ReleaseMessageBoxPresenter();
    windows::WindowTable::Release();
}

}  // namespace qml::os
