#pragma once

#include <windows.h>

// A system library loaded when it is first needed rather than imported, since an import loads
// it, and whatever memory it takes, at every start. Let go of when the object goes.
class LoadedLibrary {
  public:
    explicit LoadedLibrary(const wchar_t* name);
    LoadedLibrary(const LoadedLibrary&) = delete;
    LoadedLibrary& operator=(const LoadedLibrary&) = delete;
    ~LoadedLibrary();

    // The library's function `name` of type Function, or nullptr when the library or the
    // function is missing.
    template <typename Function>
    Function* Find(const char* name) const {
        const FARPROC found = module_ != nullptr ? GetProcAddress(module_, name) : nullptr;
        // Through the generic function pointer type, which any function pointer converts to.
        return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(found));
    }

  private:
    HMODULE module_;
};
