#pragma once

// The play field is a picture, not one of Qt's controls: without this, assistive technology
// would see a nameless "client" area. It makes the field an animated canvas whose name is the
// screen it shows. Safe to call more than once.
void InstallPlayfieldAccessibility();
