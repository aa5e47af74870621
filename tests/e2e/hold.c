/* Preloaded into the game, holds it inside a save: the flush of the temporary settings file
 * writes the file "held" (holding the temporary's path) into the folder named by
 * LUMABELS_TEST_HOLD and then waits until the FIFO "release" there is opened for writing.
 * Built by e2e_hold_library in lib.sh. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

int fsync(int fd) {
    int (*real)(int) = (int (*)(int))dlsym(RTLD_NEXT, "fsync");
    const char* folder = getenv("LUMABELS_TEST_HOLD");
    char link[64], target[4096], path[4200], ready[4200];
    snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t n = folder != NULL ? readlink(link, target, sizeof target - 1) : -1;
    if (n > 0) {
        target[n] = 0;
        if (strstr(target, "/.settings-") != NULL) {
            snprintf(path, sizeof path, "%s/held.tmp", folder);
            snprintf(ready, sizeof ready, "%s/held", folder);
            const int out = open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
            if (out >= 0) {
                if (write(out, target, (size_t)n) == n && close(out) == 0) {
                    rename(path, ready);
                } else {
                    close(out);
                }
            }
            snprintf(path, sizeof path, "%s/release", folder);
            const int wait = open(path, O_RDONLY | O_CLOEXEC); /* a FIFO: waits for a writer */
            if (wait >= 0) {
                close(wait);
            }
        }
    }
    return real(fd);
}
