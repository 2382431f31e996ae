// Drawing of the form's controls onto a device context, apart from any
// message handling: the window layer calls these from WM_PAINT and
// WM_DRAWITEM.
#pragma once

#include <windows.h>

#include "controls/BitBtn.h"
#include "controls/Forms.h"
#include "controls/Image.h"
#include "controls/Label.h"

namespace vclwin {

// Fills the client area with the form's colour and draws every graphic
// control (pictures, labels) in stored order.
void PaintFormSurface(HDC dc, const RECT& client, const vcl::TForm& form);

void PaintImage(HDC dc, const vcl::TImage& image);
void PaintLabel(HDC dc, const vcl::TLabel& label, vcl::TColor formColor);

struct ButtonDrawState {
    bool pressed = false;
    bool focused = false;
    bool isDefault = false;
};
// Draws a bitmap button into `area` (its own client coordinates).
void PaintBitBtn(HDC dc, const RECT& area, const vcl::TBitBtn& button, ButtonDrawState state);

} // namespace vclwin
