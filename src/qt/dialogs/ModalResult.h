#pragma once

// What a dialog's exec() gives back, as its buttons and its window's close set it: OK is 1;
// Cancel, Escape where OK is not also the cancel button, and closing the window are 2.
namespace ModalResult {
inline constexpr int Ok = 1;
inline constexpr int Cancel = 2;
}  // namespace ModalResult
