#include "win32/system/LoadedLibrary.h"

LoadedLibrary::LoadedLibrary(const wchar_t* name) : module_(LoadLibraryW(name)) {}

LoadedLibrary::~LoadedLibrary() {
    if (module_ != nullptr) {
        FreeLibrary(module_);
    }
}
