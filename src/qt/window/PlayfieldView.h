#pragma once

#include <QWidget>

class QImage;

// The 400 x 300 play field under the menu bar. Its coordinates are the field's coordinates.
// It shows the back buffer and hands input to the main window, which owns the rules.
class PlayfieldView : public QWidget {
    Q_OBJECT

  public:
    explicit PlayfieldView(QWidget* parent = nullptr);

    void SetBackBuffer(const QImage* backBuffer) { backBuffer_ = backBuffer; }
    // Tells assistive technology what the field shows: `name` is the screen's text (the
    // title, the score, the results), `description` what the player can do there.
    void Announce(const QString& name, const QString& description);

  signals:
    void KeyDown(int key);
    void KeyUp(int key);
    void MouseDown(Qt::MouseButton button, int x, int y);
    void PopupRequested(const QPoint& globalPos);
    // The screen's pixel ratio is no longer the back buffer's (the window moved to another
    // screen, or the scale changed): the owner makes a new one before the paint goes on.
    void PixelRatioChanged(qreal pixelRatio);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    const QImage* backBuffer_ = nullptr;
};
