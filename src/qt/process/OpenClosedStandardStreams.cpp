#include "qt/process/OpenClosedStandardStreams.h"

#include <fcntl.h>
#include <unistd.h>

void OpenClosedStandardStreams() {
    for (int stream = STDIN_FILENO; stream <= STDERR_FILENO; ++stream) {
        if (::fcntl(stream, F_GETFD) != -1) {
            continue;
        }
        // open takes the lowest free number, which is this one: the ones below are open.
        const int opened = ::open("/dev/null", stream == STDIN_FILENO ? O_RDONLY : O_WRONLY);
        if (opened != -1 && opened != stream) {
            ::close(opened);  // not the number we need: better closed than a stray descriptor
        }
    }
}
