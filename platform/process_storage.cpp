// The process's storage: made at first use, freed only at a real unload.
#include "platform/process_storage.h"

#include <atomic>
#include <mutex>

namespace qml::os {

namespace {

// Both constant-initialised: no constructor has to run before the first use.
std::atomic<ProcessStorage*> g_storage{nullptr};
PermanentLock g_storageLock;

}  // namespace

ProcessStorage& Storage() {
    if (ProcessStorage* storage = g_storage.load(std::memory_order_acquire)) return *storage;
    std::lock_guard<PermanentLock> hold(g_storageLock);
    ProcessStorage* storage = g_storage.load(std::memory_order_relaxed);
    if (!storage) {
        storage = new ProcessStorage;
        g_storage.store(storage, std::memory_order_release);
    }
    return *storage;
}

void DeleteStorage() {
    delete g_storage.exchange(nullptr);
}

}  // namespace qml::os
