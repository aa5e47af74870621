#pragma once

#include <QProxyStyle>

class QPushButton;

// Some styles (Fusion among them) draw a focused push button exactly like the default one, so
// tabbing onto OK shows nothing. This adds a dotted frame inside a button that has the focus
// once the keyboard has moved it; everything else is the application's style.
class FocusFrameStyle : public QProxyStyle {
    Q_OBJECT

  public:
    FocusFrameStyle();

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;

    // Gives the buttons this style; the dialog they are on owns it.
    static void UseFor(const QList<QPushButton*>& buttons, QWidget* dialog);
};
