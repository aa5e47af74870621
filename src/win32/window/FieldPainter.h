#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "engine/Band.h"
#include "engine/Rect.h"
#include "shell/ShellPort.h"
#include "win32/window/Sprite.h"

class World;
class BackBuffer;
class RandomSource;

// Draws the three screens into the back buffer with GDI, the sprite code putting the
// character in. Pens, brushes and fonts are made once, so a frame creates no GDI object and
// allocates nothing. It reads the world and never changes it; the one thing it takes from
// elsewhere is a random draw per frame with the character, for her blink.
class FieldPainter {
  public:
    FieldPainter(const BackBuffer& buffer, RandomSource& random);
    FieldPainter(const FieldPainter&) = delete;
    FieldPainter& operator=(const FieldPainter&) = delete;
    ~FieldPainter();

    void DrawTitle(const std::wstring& title);
    void DrawPlayfield(const World& world);
    // Returns the block it drew over the last frame, the only area that changed.
    Rect DrawResults(const ResultTexts& lines);

    // One frame in twelve, on average, shows her eyes closed.
    static constexpr int BlinkOneIn = 12;

  private:
    void Fill(const Rect& area, HBRUSH brush) const;
    void DrawCloud(const Rect& box) const;
    void DrawOutlinedLine(const std::wstring& text, std::int32_t x, std::int32_t y) const;

    const BackBuffer& buffer_;
    RandomSource& random_;
    const int scale_;
    HBRUSH sky_;
    HBRUSH cloudBrush_;
    HPEN cloudPen_;
    std::array<HBRUSH, Band::StripeCount> bands_{};
    HFONT titleFont_;
    HFONT resultsFont_;
    std::array<Sprite, 2> character_;  // open eyes, closed eyes
    Sprite cloud_;                     // a cloud of the usual size, made once
};
