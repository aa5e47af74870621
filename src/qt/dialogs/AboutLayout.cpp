#include "qt/dialogs/AboutLayout.h"

AboutLayout LayOutAbout(const AboutBox& templateBevel, const AboutBox& image, const AboutBox& label,
                        const AboutBox& button) {
    const int h = templateBevel.Left / 2;
    const int v = templateBevel.Top / 2;
    AboutLayout out{templateBevel, image, label, button, 0, 0};
    out.Bevel.Width = image.Width + label.Width + 6 * h;
    out.Bevel.Height = label.Height + 4 * v;
    out.ClientWidth = out.Bevel.Width + button.Width + 6 * h;
    out.ClientHeight = out.Bevel.Height + 4 * v;
    out.Bevel.Left = 2 * h;
    out.Image.Left = out.Bevel.Left + 2 * h;
    out.Label.Left = out.Image.Right() + 2 * h;
    out.Button.Left = out.Bevel.Right() + 3 * h;
    out.Bevel.Top = 2 * v;
    out.Image.Top = out.Bevel.Top + (out.Bevel.Height - image.Height) / 2;
    out.Label.Top = out.Bevel.Top + (out.Bevel.Height - label.Height) / 2;
    out.Button.Top = out.Bevel.Top;
    return out;
}
