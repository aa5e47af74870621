#include "qt/sound/SdlLibrary.h"

#include <dlfcn.h>

#include <cstring>

namespace {

template <typename Function>
bool Find(void* handle, const char* name, Function& function) {
    void* const address = dlsym(handle, name);
    if (address == nullptr) {
        return false;
    }
    // POSIX guarantees that a function's address survives the trip through void*.
    static_assert(sizeof(Function) == sizeof(address));
    std::memcpy(&function, &address, sizeof(function));
    return true;
}

}  // namespace

SdlLibrary::SdlLibrary(const std::string& name)
    // Never unmapped, even once every handle is closed: SDL keeps state (hints, thread data)
    // that only SDL_Quit frees, and quitting SDL would take it away from anything else in the
    // process that uses it. Loaded once, it stays, as a linked library would.
    : handle_(dlopen(name.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE)) {
    loaded_ = handle_ != nullptr && FindFunctions();
}

SdlLibrary::~SdlLibrary() {
    if (handle_ != nullptr) {
        dlclose(handle_);
    }
}

bool SdlLibrary::FindFunctions() {
    SdlFunctions& f = functions_;
    return Find(handle_, "SDL_SetHint", f.SetHint) &&
           Find(handle_, "SDL_InitSubSystem", f.InitSubSystem) &&
           Find(handle_, "SDL_QuitSubSystem", f.QuitSubSystem) &&
           Find(handle_, "SDL_OpenAudioDevice", f.OpenAudioDevice) &&
           Find(handle_, "SDL_CloseAudioDevice", f.CloseAudioDevice) &&
           Find(handle_, "SDL_PauseAudioDevice", f.PauseAudioDevice) &&
           Find(handle_, "SDL_LockAudioDevice", f.LockAudioDevice) &&
           Find(handle_, "SDL_UnlockAudioDevice", f.UnlockAudioDevice) &&
           Find(handle_, "SDL_RWFromConstMem", f.RWFromConstMem) &&
           Find(handle_, "SDL_LoadWAV_RW", f.LoadWAV_RW) &&
           Find(handle_, "SDL_FreeWAV", f.FreeWAV) &&
           Find(handle_, "SDL_BuildAudioCVT", f.BuildAudioCVT) &&
           Find(handle_, "SDL_ConvertAudio", f.ConvertAudio) &&
           Find(handle_, "SDL_TLSCleanup", f.TLSCleanup);
}
