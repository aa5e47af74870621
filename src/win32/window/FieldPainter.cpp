#include "win32/window/FieldPainter.h"

#include <algorithm>

#include "engine/FieldLook.h"
#include "engine/RandomSource.h"
#include "engine/World.h"
#include "settings/files/windows/WideText.h"
#include "win32/window/BackBuffer.h"
#include "win32/window/CharacterPicture.h"
#include "win32/window/CloudPicture.h"

namespace {

constexpr int TextCellHeight = 24;  // the character cell, internal leading included
constexpr std::int32_t FieldWidth = FieldRect.Right - FieldRect.Left;
constexpr std::int32_t FieldHeight = FieldRect.Bottom - FieldRect.Top;

// GDI takes the look's 0xRRGGBB with red and blue the other way round.
constexpr COLORREF ColorOf(std::uint32_t rgb) {
    return RGB(static_cast<BYTE>(rgb >> 16), static_cast<BYTE>(rgb >> 8), static_cast<BYTE>(rgb));
}

constexpr COLORREF SkyColor = ColorOf(FieldLook::Sky);
constexpr COLORREF CloudColor = ColorOf(FieldLook::Cloud);
constexpr COLORREF TitleColor = ColorOf(FieldLook::Title);
constexpr COLORREF OutlineColor = ColorOf(FieldLook::ResultsOutline);
constexpr COLORREF ResultsColor = ColorOf(FieldLook::Results);

HFONT CellHeightFont(const wchar_t* face, int height) {
    LOGFONTW font{};
    font.lfHeight = height;  // positive: the cell height, as the field's texts are measured
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = DEFAULT_QUALITY;
    lstrcpynW(font.lfFaceName, face, LF_FACESIZE);
    return CreateFontIndirectW(&font);
}

// The desktop's own interface face, the one its message boxes use.
std::wstring InterfaceFace() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0) &&
        metrics.lfMessageFont.lfFaceName[0] != L'\0') {
        return metrics.lfMessageFont.lfFaceName;
    }
    return L"MS Shell Dlg";
}

SIZE Measure(HDC dc, const std::wstring& text) {
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    if (text.empty()) {
        // An empty text measures no height; the line still takes the cell's.
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        size.cy = metrics.tmHeight;
    }
    return size;
}

}  // namespace

FieldPainter::FieldPainter(const BackBuffer& buffer, RandomSource& random)
    : buffer_(buffer),
      random_(random),
      scale_(buffer.Scale()),
      sky_(CreateSolidBrush(SkyColor)),
      cloudBrush_(CreateSolidBrush(CloudColor)),
      cloudPen_(CreatePen(PS_SOLID, scale_, CloudColor)),
      titleFont_(CellHeightFont(L"Arial", TextCellHeight * scale_)),
      resultsFont_(CellHeightFont(InterfaceFace().c_str(), TextCellHeight * scale_)),
      character_{CharacterPicture(CharacterEyes::Open), CharacterPicture(CharacterEyes::Closed)},
      cloud_(CloudPicture(World::CloudWidth, World::CloudHeight)) {
    for (std::size_t k = 0; k < bands_.size(); ++k) {
        bands_[k] = CreateSolidBrush(ColorOf(FieldLook::Stripes[k]));
    }
    SetBkMode(buffer_.Dc(), TRANSPARENT);
    SetTextAlign(buffer_.Dc(), TA_LEFT | TA_TOP | TA_NOUPDATECP);
}

FieldPainter::~FieldPainter() {
    // The DC may still hold one of the fonts or the pen; the stock ones take their place.
    SelectObject(buffer_.Dc(), GetStockObject(SYSTEM_FONT));
    SelectObject(buffer_.Dc(), GetStockObject(BLACK_PEN));
    SelectObject(buffer_.Dc(), GetStockObject(WHITE_BRUSH));
    for (HGDIOBJ object : {static_cast<HGDIOBJ>(sky_), static_cast<HGDIOBJ>(cloudBrush_),
                           static_cast<HGDIOBJ>(cloudPen_), static_cast<HGDIOBJ>(titleFont_),
                           static_cast<HGDIOBJ>(resultsFont_)}) {
        DeleteObject(object);
    }
    for (HBRUSH band : bands_) {
        DeleteObject(band);
    }
}

void FieldPainter::Fill(const Rect& area, HBRUSH brush) const {
    const RECT box{area.Left * scale_, area.Top * scale_, area.Right * scale_,
                   area.Bottom * scale_};
    FillRect(buffer_.Dc(), &box, brush);
}

void FieldPainter::DrawCloud(const Rect& box) const {
    if (box.Right - box.Left == World::CloudWidth && box.Bottom - box.Top == World::CloudHeight) {
        cloud_.DrawInto(buffer_, box.Left, box.Top);
        return;
    }
    for (int k = 0; k < FieldLook::PuffCount; ++k) {
        const std::int32_t left = box.Left + FieldLook::PuffSpacing * k;
        Ellipse(buffer_.Dc(), left * scale_, box.Top * scale_,
                (left + FieldLook::PuffSide) * scale_, box.Bottom * scale_);
    }
}

void FieldPainter::DrawTitle(const std::wstring& title) {
    const HDC dc = buffer_.Dc();
    SelectObject(dc, titleFont_);
    const SIZE size = Measure(dc, title);
    const RECT field{0, 0, FieldWidth * scale_, FieldHeight * scale_};
    SetBkColor(dc, SkyColor);
    SetTextColor(dc, TitleColor);
    // Opaque text over the whole field: the title screen replaces the entire picture.
    ExtTextOutW(dc, (field.right - size.cx) / 2, (field.bottom - size.cy) / 2,
                ETO_OPAQUE | ETO_CLIPPED, &field, title.c_str(), static_cast<UINT>(title.size()),
                nullptr);
}

void FieldPainter::DrawPlayfield(const World& world) {
    const HDC dc = buffer_.Dc();
    Fill(FieldRect, sky_);

    SelectObject(dc, cloudPen_);
    SelectObject(dc, cloudBrush_);
    GdiFlush();  // the clouds write the pixels GDI has drawn
    Rect cloud;
    for (std::int32_t i = 0; i < world.GetCloudCount(); ++i) {
        world.GetCloud(i, cloud);
        DrawCloud(cloud);
    }

    const std::int32_t carrier = world.GetCurrentLumabel();
    const std::int32_t characterX = world.GetCharacterX();
    Band lumabel;
    for (std::int32_t j = 0; j < world.GetLumabelCount(); ++j) {
        world.GetLumabel(j, lumabel);
        const Rect& box = lumabel.Rect;
        for (int k = 0; k < Band::StripeCount; ++k) {
            const std::int32_t top = box.Top + Band::StripeHeight * k;
            Fill(Rect{box.Left, top, box.Right, top + Band::StripeHeight},
                 bands_[static_cast<std::size_t>(k)]);
        }
        if (j == carrier) {
            const bool blink = random_.Next() % BlinkOneIn == 0;
            GdiFlush();  // the sprite writes the pixels GDI has drawn
            character_[blink ? 1 : 0].DrawInto(buffer_, characterX - FieldLook::CharacterOffsetX,
                                               box.Top - FieldLook::CharacterOffsetY);
        }
    }
}

void FieldPainter::DrawOutlinedLine(const std::wstring& text, std::int32_t x,
                                    std::int32_t y) const {
    const HDC dc = buffer_.Dc();
    const int length = static_cast<int>(text.size());
    SetTextColor(dc, OutlineColor);
    TextOutW(dc, x - scale_, y, text.c_str(), length);
    TextOutW(dc, x + scale_, y, text.c_str(), length);
    TextOutW(dc, x, y - scale_, text.c_str(), length);
    TextOutW(dc, x, y + scale_, text.c_str(), length);
    SetTextColor(dc, ResultsColor);
    TextOutW(dc, x, y, text.c_str(), length);
}

Rect FieldPainter::DrawResults(const ResultTexts& lines) {
    std::array<std::wstring, std::tuple_size_v<ResultTexts>> texts;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        texts[i] = WideFromUtf8(lines[i]);
    }

    const HDC dc = buffer_.Dc();
    SelectObject(dc, resultsFont_);
    SetBkMode(dc, TRANSPARENT);
    std::array<SIZE, texts.size()> sizes{};
    std::int32_t blockWidth = 0;
    std::int32_t blockHeight = 0;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        sizes[i] = Measure(dc, texts[i]);
        blockWidth = std::max<std::int32_t>(blockWidth, sizes[i].cx);
        blockHeight += sizes[i].cy;
    }
    const std::int32_t width = FieldWidth * scale_;
    const std::int32_t height = FieldHeight * scale_;
    std::int32_t y = (height - blockHeight) / 2;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        DrawOutlinedLine(texts[i], (width - sizes[i].cx) / 2, y);
        y += sizes[i].cy;
    }
    // In field pixels, widened to whole ones, with the outline's pixel around it.
    const std::int32_t left = (width - blockWidth) / 2;
    const std::int32_t top = (height - blockHeight) / 2;
    return Rect{left / scale_ - 1, top / scale_ - 1, (left + blockWidth) / scale_ + 2,
                (top + blockHeight) / scale_ + 2};
}
