#include "qt/window/FieldPainter.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>

#include "engine/FieldLook.h"
#include "engine/RandomSource.h"
#include "engine/World.h"
#include "qt/window/CellHeightFont.h"
#include "qt/window/ToQRect.h"

namespace {

constexpr int TextCellHeight = 24;
constexpr QRect FieldArea = ToQRect(FieldRect);
constexpr int FieldWidth = FieldArea.width();
constexpr int FieldHeight = FieldArea.height();

const QColor SkyColor(FieldLook::Sky);
const QColor CloudColor(FieldLook::Cloud);
const QColor TitleColor(FieldLook::Title);
const QColor OutlineColor(FieldLook::ResultsOutline);
const QColor ResultsColor(FieldLook::Results);

void DrawPuffs(QPainter& painter, const QRect& box) {
    painter.setPen(QPen(CloudColor, 1));
    painter.setBrush(CloudColor);
    for (int k = 0; k < FieldLook::PuffCount; ++k) {
        // With a 1 px pen the outline adds one pixel: a 31-wide box is 32 pixels wide.
        painter.drawEllipse(QRect(box.left() + FieldLook::PuffSpacing * k, box.top(),
                                  FieldLook::PuffSide - 1, box.height() - 1));
    }
}

// Text is placed by the top-left corner of its cell, as it is measured.
void DrawTextAt(QPainter& painter, const QFontMetrics& metrics, int x, int y, const QString& text) {
    painter.drawText(x, y + metrics.ascent(), text);
}

}  // namespace

FieldPainter::FieldPainter(QImage& backBuffer, RandomSource& random)
    : backBuffer_(backBuffer),
      random_(random),
      cloudSprite_(QSize(World::CloudWidth, World::CloudHeight) * backBuffer.devicePixelRatio(),
                   QImage::Format_ARGB32_Premultiplied),
      titleFont_(CellHeightFont(QStringLiteral("Arial"), TextCellHeight)),
      resultsFont_(CellHeightFont(QApplication::font().family(), TextCellHeight)) {
    cloudSprite_.setDevicePixelRatio(backBuffer.devicePixelRatio());
    cloudSprite_.fill(Qt::transparent);
    {
        QPainter sprite(&cloudSprite_);
        DrawPuffs(sprite, QRect(0, 0, World::CloudWidth, World::CloudHeight));
    }
    painter_.begin(&backBuffer_);
}

void FieldPainter::BeginFrame() {
    // What an earlier screen set must not carry over.
    painter_.setClipping(false);
}

void FieldPainter::DrawCloud(const QRect& box) {
    if (box.size() == cloudSprite_.deviceIndependentSize().toSize()) {
        painter_.drawImage(box.topLeft(), cloudSprite_);
    } else {
        DrawPuffs(painter_, box);
    }
}

void FieldPainter::SetCharacterImages(const QPixmap& open, const QPixmap& closed) {
    character_ = {open, closed};
}

void FieldPainter::DrawTitle(const QString& title) {
    BeginFrame();
    painter_.fillRect(FieldArea, SkyColor);
    painter_.setFont(titleFont_);
    painter_.setPen(TitleColor);
    const QFontMetrics metrics(titleFont_);
    const int width = metrics.horizontalAdvance(title);
    const int height = metrics.height();
    painter_.setClipRect(FieldArea);
    DrawTextAt(painter_, metrics, (FieldWidth - width) / 2, (FieldHeight - height) / 2, title);
}

void FieldPainter::DrawPlayfield(const World& world) {
    BeginFrame();
    QPainter& painter = painter_;
    painter.fillRect(FieldArea, SkyColor);

    Rect cloud;
    for (std::int32_t i = 0; i < world.GetCloudCount(); ++i) {
        world.GetCloud(i, cloud);
        DrawCloud(ToQRect(cloud));
    }

    const std::int32_t carrier = world.GetCurrentLumabel();
    const std::int32_t characterX = world.GetCharacterX();
    Band lumabel;
    for (std::int32_t j = 0; j < world.GetLumabelCount(); ++j) {
        world.GetLumabel(j, lumabel);
        const QRect box = ToQRect(lumabel.Rect);
        for (int k = 0; k < Band::StripeCount; ++k) {
            painter.fillRect(QRect(box.left(), box.top() + Band::StripeHeight * k, box.width(),
                                   Band::StripeHeight),
                             QColor(FieldLook::Stripes[static_cast<std::size_t>(k)]));
        }
        if (j == carrier) {
            const bool blink = random_.Next() % BlinkOneIn == 0;
            painter.drawPixmap(characterX - FieldLook::CharacterOffsetX,
                               box.top() - FieldLook::CharacterOffsetY, character_[blink ? 1 : 0]);
        }
    }
}

QRect FieldPainter::DrawResults(const ResultTexts& lines) {
    std::array<QString, std::tuple_size_v<ResultTexts>> texts;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        texts[i] = QString::fromStdString(lines[i]);
    }
    const QFontMetrics metrics(resultsFont_);
    std::array<int, texts.size()> widths{};
    int blockWidth = 0;
    int blockHeight = 0;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        widths[i] = metrics.horizontalAdvance(texts[i]);
        blockWidth = std::max(blockWidth, widths[i]);
        blockHeight += metrics.height();
    }
    const QRect block((FieldWidth - blockWidth) / 2, (FieldHeight - blockHeight) / 2, blockWidth,
                      blockHeight);

    BeginFrame();
    QPainter& painter = painter_;
    painter.setFont(resultsFont_);
    int y = block.top();
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const int x = (FieldWidth - widths[i]) / 2;
        painter.setPen(OutlineColor);
        DrawTextAt(painter, metrics, x - 1, y, texts[i]);
        DrawTextAt(painter, metrics, x + 1, y, texts[i]);
        DrawTextAt(painter, metrics, x, y - 1, texts[i]);
        DrawTextAt(painter, metrics, x, y + 1, texts[i]);
        painter.setPen(ResultsColor);
        DrawTextAt(painter, metrics, x, y, texts[i]);
        y += metrics.height();
    }
    return block;
}
