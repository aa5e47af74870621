#pragma once

// Opens /dev/null on each of the descriptors 0, 1 and 2 that the program was started without
// (`2>&-`). Otherwise the next file opened takes the number: the lock file, or the connection
// to the display, would become standard error, and a line meant for the terminal would be
// written into it. Call first thing, before anything opens a file.
void OpenClosedStandardStreams();
