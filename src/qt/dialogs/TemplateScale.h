#pragma once

class QWidget;

// Our dialog forms are drawn for a text height of 18 px. At run time they follow the font
// in use: every position and size grows or shrinks with the ratio of its measured height.
double TemplateScale(const QWidget& form);

int ScaledFromTemplate(int value, double scale);

// Moves and sizes a control from its template geometry.
void ScaleFromTemplate(QWidget& control, double scale);
