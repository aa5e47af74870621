#include "qt/process/SessionManagerLoss.h"

#include <dlfcn.h>
#include <sys/eventfd.h>
#include <unistd.h>

namespace {

// libICE's own types, by shape: it is loaded, with libSM, by Qt's X11 platform plugin, so the
// game looks its functions up there rather than linking it.
using IceConnection = void*;
using IoErrorHandler = void (*)(IceConnection);
using SetIoErrorHandler = IoErrorHandler (*)(IoErrorHandler);
using ConnectionNumber = int (*)(IceConnection);

ConnectionNumber SocketOf = nullptr;

// After an error libICE marks the connection dead and reads no more from it, yet its socket
// stays readable (at its end), and Qt, which watches it, would call back at once, forever.
// A descriptor that is never readable takes the socket's place: the dead connection is closed
// and quiet, and libICE closes the stand-in with the rest when Qt lets the connection go.
void CloseQuietly(IceConnection connection) {
    const int socket = SocketOf(connection);
    const int quiet = ::eventfd(0, EFD_CLOEXEC);
    if (socket >= 0 && quiet >= 0) {
        ::dup2(quiet, socket);
    }
    if (quiet >= 0) {
        ::close(quiet);
    }
}

}  // namespace

void SurviveSessionManagerLoss() {
    // The plugin's libraries are not in the program's global scope: ask for libICE by name,
    // and only if it is there already.
    void* const ice = ::dlopen("libICE.so.6", RTLD_NOW | RTLD_NOLOAD);
    if (ice == nullptr) {
        return;
    }
    const auto setHandler =
        reinterpret_cast<SetIoErrorHandler>(::dlsym(ice, "IceSetIOErrorHandler"));
    SocketOf = reinterpret_cast<ConnectionNumber>(::dlsym(ice, "IceConnectionNumber"));
    if (setHandler != nullptr && SocketOf != nullptr) {
        setHandler(&CloseQuietly);
    }
    // The reference taken here is kept: the handler must stay with the library.
}
