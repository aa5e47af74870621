#pragma once

namespace Ui {
class TOptionsDialog;
}

// Gives each control of the Options dialog, and the label that names it, a tooltip and the
// same words as its What's This text (Shift+F1): what the option does, and for a number its
// range and what a text that is no number counts as.
void ExplainOptions(Ui::TOptionsDialog& ui);
