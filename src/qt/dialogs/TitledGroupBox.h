#pragma once

#include <QGroupBox>

// A group box whose title sits on the frame's top line, the frame starting at half the
// title's height. Our dialog forms place their first row of controls for that look; styles
// that draw the title above the frame would leave that row touching the title.
// Used through the forms' promoted widgets (src/qt/forms/TOptionsDialog.ui).
class TitledGroupBox : public QGroupBox {
    Q_OBJECT

  public:
    explicit TitledGroupBox(QWidget* parent = nullptr);

    // Where the title is drawn, in the box's own coordinates.
    QRect TitleRect() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
};
