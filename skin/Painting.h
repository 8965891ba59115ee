// Drawing of each skinned control kind in the attached skin's colours; the subclass
// procedures in Controls.cpp call these for WM_PAINT and WM_NCPAINT.
#pragma once

#include <windows.h>

void PaintPushButton(HWND button, HDC dc, bool hot);
void PaintGroupBox(HWND box, HDC dc);
void PaintTabs(HWND tab, HDC dc);
// Draws over the sunken edge that the system gives edit boxes (WS_EX_CLIENTEDGE or
// WS_BORDER): a flat border, in the accent colour while the box has the focus.
void PaintEditFrame(HWND edit);
// Whether PaintTabs can draw this tab control: tabs in rows at the top, drawn by the
// control; other layouts keep the system's look.
bool CanPaintTabs(HWND tab);
