#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QRect>
#include <array>

#include "shell/ShellPort.h"

class World;
class RandomSource;

// Draws the three screens into the 400 x 300 back buffer. It reads the world and never
// changes it; the only thing it takes from elsewhere is one random draw per frame with the
// character, for her blink. It keeps one painter on the buffer for its whole life: making a
// painter allocates, and nothing in play should.
class FieldPainter {
  public:
    // The buffer's size and pixel ratio must be final: the painter takes them once.
    FieldPainter(QImage& backBuffer, RandomSource& random);

    void DrawTitle(const QString& title);
    void DrawPlayfield(const World& world);
    // Returns the block it drew over the last frame, the only area that changed.
    QRect DrawResults(const ResultTexts& lines);

    // The character with open eyes (0) and closed eyes (1), FieldLook's size, with transparency.
    void SetCharacterImages(const QPixmap& open, const QPixmap& closed);

    // One frame in twelve, on average, shows her eyes closed.
    static constexpr int BlinkOneIn = 12;

  private:
    void DrawCloud(const QRect& box);
    void BeginFrame();

    QImage& backBuffer_;
    RandomSource& random_;
    QImage cloudSprite_;  // one 80 x 32 cloud, drawn once: ellipses are slow to fill
    std::array<QPixmap, 2> character_;
    QFont titleFont_;
    QFont resultsFont_;
    QPainter painter_;  // last: it ends before the buffer and the pictures it draws with
};
