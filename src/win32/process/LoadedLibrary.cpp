#include "win32/process/LoadedLibrary.h"

LoadedLibrary::LoadedLibrary(const wchar_t* name) : module_(LoadLibraryW(name)) {}

LoadedLibrary::~LoadedLibrary() {
    if (module_ != nullptr) {
        FreeLibrary(module_);
    }
}
