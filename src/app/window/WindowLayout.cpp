#include "WindowLayout.h"

#include "document/surface/Twips.h"

#include <cmath>

namespace virelai {

float Mmax(float A, float B)
{
    return A > B ? A : B;
}

void SplitFen(Form1Layout &form, const ClientArea &client, float X, float /*Y*/)
{
    form.VSPrinter1.Left = X;
    form.VSPrinter1.Width = Mmax(1, client.ScaleWidth - form.VSPrinter1.Left);
}

void MajFenetre(Form1Layout &form, const ClientArea &client)
{
    SplitFen(form, client, form.Command1.Left, 0);
    form.VSPrinter1.Top = 0;
    form.VSPrinter1.Height = client.ScaleHeight;
}

void redim_ATX(Form1Layout &form, const ClientArea &client)
{
    form.Command1.Top = 0;
    const float d = client.ScaleWidth - form.VSPrinter1.Left;
    form.VSPrinter1.Width = d <= 0 ? 1 : d;
    form.Command1.Height = client.ScaleHeight <= 0 ? 1 : client.ScaleHeight;
    const float e = client.ScaleHeight - form.Text1.Height;
    if (e <= 0) {
        form.Outline1.Height = 1;
        form.Text1.Top = 1;
    } else {
        form.Text1.Top = e;
        form.Outline1.Height = e;
    }
    MajFenetre(form, client);
}

void Command1_MouseDown(Form1Layout &form, int Button)
{
    if (Button > 0) {
        form.DragMode = 1;
        form.BougeSplit = true;
    }
}

void Command1_MouseUp(Form1Layout &form)
{
    form.DragMode = 0;
    form.BougeSplit = false;
}

void Outline1_DragDrop(Form1Layout &form, const ClientArea &client, float X, float Y)
{
    SplitFen(form, client, X, Y);
}

void VSPrinter1_DragDrop(Form1Layout &form, const ClientArea &client, float X, float Y)
{
    SplitFen(form, client, form.VSPrinter1.Left + X, Y);
}

QRect pixelRect(const ControlGeometry &geometry, double dpiX, double dpiY)
{
    const auto px = [](double twips, double dpi) {
        return int(std::lround(twipsToPixels(twips, dpi)));
    };
    const int left = px(geometry.Left, dpiX);
    const int top = px(geometry.Top, dpiY);
    const int right = px(double(geometry.Left) + geometry.Width, dpiX);
    const int bottom = px(double(geometry.Top) + geometry.Height, dpiY);
    return QRect(left, top, right - left, bottom - top);
}

ClientArea clientAreaFromPixels(int width, int height, double dpiX, double dpiY)
{
    return {float(pixelsToTwips(width, dpiX)), float(pixelsToTwips(height, dpiY))};
}

} // namespace virelai
