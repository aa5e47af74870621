#pragma once

// Where the about box puts its frame, icon, text and button around a measured text.
struct AboutBox {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int Right() const { return left + width; }
};

struct AboutLayout {
    AboutBox bevel;
    AboutBox image;
    AboutBox label;
    AboutBox button;
    int clientWidth = 0;
    int clientHeight = 0;
};

// Margins come from the frame's position in the scaled template: H is half its left, V half
// its top. Icon and text are centred in the frame, the button level with its top.
AboutLayout LayOutAbout(const AboutBox& templateBevel, const AboutBox& image, const AboutBox& label,
                        const AboutBox& button);
