#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <optional>
#include <utility>
#include <vector>

// A colour as "R G B" on the command line; QRgb with the alpha byte cleared.
using Colour = QRgb;

// A run of rows holding ink (see Shot::InkRows), all ends inclusive.
struct InkRun {
    int Y0;
    int Y1;
    int X0;
    int X1;
};

// One screenshot, and the questions the end-to-end tests ask of it. Every answer is about
// exact colours: the game draws its field in flat colours, only text is anti-aliased.
class Shot {
  public:
    static std::optional<Shot> Load(const QString& path);

    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }
    QRect Whole() const { return image_.rect(); }

    Colour At(int x, int y) const;
    bool Is(int x, int y, Colour colour) const;

    // Pixels of the colour in the box (clipped to the shot).
    int Count(Colour colour, const QRect& box) const;
    // The smallest box holding every pixel of the colour.
    std::optional<QRect> Bounds(Colour colour) const;
    // The runs of rows that hold a pixel of none of the flat colours, with the columns that
    // pixel reaches: with the field's flat colours listed, each run is a line of text.
    std::vector<InkRun> InkRows(const std::vector<Colour>& flat) const;
    // True when the box (clipped to the shot) holds no colour but those allowed.
    bool OnlyColours(const QRect& box, const std::vector<Colour>& allowed) const;
    // Pixels of the colour with a pixel of the neighbour left, right, above or below, the
    // shot's outermost rows and columns left out.
    int Bordering(Colour colour, Colour neighbour) const;
    // The first and last column where the colour appears in rows y0..y1.
    std::optional<std::pair<int, int>> Reach(Colour colour, int y0, int y1) const;
    // True when rows y0..y1 are the same pixels in both shots.
    bool SameRows(const Shot& other, int y0, int y1) const;

  private:
    explicit Shot(QImage image) : image_(std::move(image)) {}
    bool RowHasOnly(int y, int x0, int x1, const std::vector<Colour>& allowed) const;

    QImage image_;
};
