#include "qt/dialogs/FocusFrameStyle.h"

#include <QPainter>
#include <QPen>
#include <QPushButton>
#include <QStyleOption>

FocusFrameStyle::FocusFrameStyle() = default;

void FocusFrameStyle::drawControl(ControlElement element, const QStyleOption* option,
                                  QPainter* painter, const QWidget* widget) const {
    QProxyStyle::drawControl(element, option, painter, widget);
    const State shown = State_HasFocus | State_KeyboardFocusChange;
    if (element != CE_PushButton || (option->state & shown) != shown) {
        return;
    }
    const QRect frame = subElementRect(SE_PushButtonFocusRect, option, widget);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setBrush(Qt::NoBrush);
    painter->setPen(QPen(option->palette.color(QPalette::ButtonText), 1, Qt::DotLine));
    painter->drawRect(frame.adjusted(1, 1, -2, -2));
    painter->restore();
}

void FocusFrameStyle::UseFor(const QList<QPushButton*>& buttons, QWidget* dialog) {
    auto* style = new FocusFrameStyle;  // owned by the dialog
    style->setParent(dialog);
    for (QPushButton* button : buttons) {
        button->setStyle(style);
    }
}
