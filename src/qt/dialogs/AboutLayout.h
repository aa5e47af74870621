#pragma once

// Where the about box puts its frame, icon, text and button around a measured text.
struct AboutBox {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    int Right() const { return Left + Width; }
};

struct AboutLayout {
    AboutBox Bevel;
    AboutBox Image;
    AboutBox Label;
    AboutBox Button;
    int ClientWidth = 0;
    int ClientHeight = 0;
};

// Margins come from the frame's position in the scaled template: H is half its left, V half
// its top. Icon and text are centred in the frame, the button level with its top.
AboutLayout LayOutAbout(const AboutBox& templateBevel, const AboutBox& image, const AboutBox& label,
                        const AboutBox& button);
