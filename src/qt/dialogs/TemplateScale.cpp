#include "qt/dialogs/TemplateScale.h"

#include <QFontMetrics>
#include <QWidget>
#include <cmath>

namespace {
constexpr double TemplateTextHeight = 18.0;
}

double TemplateScale(const QWidget& form) {
    return QFontMetrics(form.font()).height() / TemplateTextHeight;
}

int ScaledFromTemplate(int value, double scale) {
    return static_cast<int>(std::lround(value * scale));
}

void ScaleFromTemplate(QWidget& control, double scale) {
    const QRect r = control.geometry();
    control.setGeometry(ScaledFromTemplate(r.x(), scale), ScaledFromTemplate(r.y(), scale),
                        ScaledFromTemplate(r.width(), scale),
                        ScaledFromTemplate(r.height(), scale));
}
