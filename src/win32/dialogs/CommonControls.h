#pragma once

// Readies the common controls (version 6, as the manifest asks) for the dialogs; call it before
// a dialog is made. Only the dialogs use them, so the library is loaded the first time one is
// shown rather than imported: importing it would load it, and its few megabytes, at every start.
// Later calls do nothing.
void PrepareCommonControls();
