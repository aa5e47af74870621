#include "win32/dialogs/CommonControls.h"

#include <windows.h>

#include <commctrl.h>

#include "win32/system/LoadedLibrary.h"

namespace {

// The library, kept for the rest of the run once loaded: the dialogs' controls live in it.
// Under the manifest's activation context the name finds version 6.
class CommonControlsLibrary {
  public:
    CommonControlsLibrary() : library_(L"comctl32.dll") {
        using InitFunction = BOOL WINAPI(const INITCOMMONCONTROLSEX*);
        if (InitFunction* const init = library_.Find<InitFunction>("InitCommonControlsEx")) {
            // The standard classes for the controls of the templates, the bar classes for the
            // Options dialog's tooltips.
            const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                                ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
            init(&controls);
        }
    }

  private:
    LoadedLibrary library_;
};

}  // namespace

void PrepareCommonControls() {
    // Made on the first call; without the library the dialogs still open, with the system's
    // plain controls.
    static const CommonControlsLibrary library;
}
