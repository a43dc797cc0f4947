#include "platform/core/LazyLibrary.h"

#include <QtGlobal>
#include <dlfcn.h>

void* LazyLibrary::symbol(const char* name) {
    std::call_once(m_opened, [this] {
        // Its own namespace: the forwarders reach it through the handle only. Its functions
        // are bound when first called, as the loader binds them for a linked library.
        m_handle = dlopen(m_soname, RTLD_LAZY | RTLD_LOCAL);
        if (!m_handle) qFatal("K41: cannot load %s: %s", m_soname, dlerror());
    });
    void* found = dlsym(m_handle, name);
    if (!found) qFatal("K41: %s has no function %s", m_soname, name);
    return found;
}
