#pragma once

#include <QRect>

namespace virelai {

// Position and size of a control in twips, from the top left corner of the
// window's inner area. Single precision, as the layout arithmetic is.
struct ControlGeometry
{
    float Left = 0;
    float Top = 0;
    float Width = 0;
    float Height = 0;
};

// The inner area of the window, in twips, read anew at each use.
struct ClientArea
{
    float ScaleWidth = 0;
    float ScaleHeight = 0;
};

// The controls that the layout reads and moves, with their values at creation,
// and the splitter's drag state. These twips are the source of truth: pixels
// are derived from them only when the widgets are placed, so reading a value
// back never drifts through rounding.
struct Form1Layout
{
    ControlGeometry VSPrinter1 {2625, 405, 6975, 6990};
    ControlGeometry Outline1 {0, 0, 2565, 6240};
    ControlGeometry Text1 {0, 6570, 2535, 825};
    ControlGeometry Command1 {0, 0, 90, 7500};
    int DragMode = 0; // of Command1: 0 manual, 1 automatic
    bool BougeSplit = false;
};

// The larger of A and B; B when they are equal.
float Mmax(float A, float B);

void SplitFen(Form1Layout &form, const ClientArea &client, float X, float Y);
void MajFenetre(Form1Layout &form, const ClientArea &client);
void redim_ATX(Form1Layout &form, const ClientArea &client);

void Command1_MouseDown(Form1Layout &form, int Button);
void Command1_MouseUp(Form1Layout &form);
// X and Y are relative to the control dropped on.
void Outline1_DragDrop(Form1Layout &form, const ClientArea &client, float X, float Y);
void VSPrinter1_DragDrop(Form1Layout &form, const ClientArea &client, float X, float Y);

// Pixels at the given resolution; neighbouring controls share their edges.
QRect pixelRect(const ControlGeometry &geometry, double dpiX, double dpiY);
ClientArea clientAreaFromPixels(int width, int height, double dpiX, double dpiY);

} // namespace virelai
