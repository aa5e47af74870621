#include "dialogs/AboutLayout.h"

AboutLayout LayOutAbout(const AboutBox& templateBevel, const AboutBox& image, const AboutBox& label,
                        const AboutBox& button) {
    const int h = templateBevel.left / 2;
    const int v = templateBevel.top / 2;
    AboutLayout out{templateBevel, image, label, button, 0, 0};
    out.bevel.width = image.width + label.width + 6 * h;
    out.bevel.height = label.height + 4 * v;
    out.clientWidth = out.bevel.width + button.width + 6 * h;
    out.clientHeight = out.bevel.height + 4 * v;
    out.bevel.left = 2 * h;
    out.image.left = out.bevel.left + 2 * h;
    out.label.left = out.image.Right() + 2 * h;
    out.button.left = out.bevel.Right() + 3 * h;
    out.bevel.top = 2 * v;
    out.image.top = out.bevel.top + (out.bevel.height - image.height) / 2;
    out.label.top = out.bevel.top + (out.bevel.height - label.height) / 2;
    out.button.top = out.bevel.top;
    return out;
}
