#pragma once

// For a death-test child that ends through exit() on purpose, leaving the application, the
// main window or the test's own objects unfreed: LeakSanitizer, in the builds that have it,
// asks as the process ends whether to look, and from then on the answer is no.
void TurnLeakCheckOff();
