// Painting the windowless controls and the owner-drawn button. Each paint
// draws the damaged area into a memory bitmap first, so nothing flickers.
#include <algorithm>
#include <cmath>

#include "platform/win32/text.h"
#include "platform/win32/window.h"

namespace dv::win32 {
namespace {

COLORREF Resolve(Colour c) {
    return IsSysColour(c) ? GetSysColor(static_cast<int>(c & 0xFF)) : static_cast<COLORREF>(c);
}

bool SameFont(const Font& a, const Font& b) {
    return a.points == b.points && a.bold == b.bold && a.charset == b.charset &&
           std::string_view(a.face) == std::string_view(b.face);
}

void Fill(HDC dc, const RECT& r, Colour c) {
    SetBkColor(dc, Resolve(c));
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
}

}  // namespace

HFONT FontCache::Get(const Font& font, int dpi) {
    for (const Entry& e : fonts_)
        if (SameFont(e.font, font)) return e.handle.Get();
    const int height =
        -static_cast<int>(std::lround(font.points * static_cast<float>(dpi) / 72.0f));
    HFONT f = CreateFontW(height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                          static_cast<BYTE>(font.charset), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                          DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, Wide(font.face).c_str());
    fonts_.push_back({font, FontHandle(f)});
    return f;
}

void Win32Peer::Paint(HDC dc, const RECT& area) {
    const int w = area.right - area.left, h = area.bottom - area.top;
    if (w <= 0 || h <= 0) return;
    const auto& controls = form_.ControlsTopFirst();
    const bool drawn = std::any_of(controls.begin(), controls.end(), [](const Control* c) {
        return c->kind == ControlKind::Label || c->kind == ControlKind::Line;
    });
    if (!drawn) {
        // A layer: one colour, nothing to flicker, so no screen-sized buffer.
        Fill(dc, area, form_.CurrentBackColor());
        return;
    }
    MemoryDc mem(CreateCompatibleDC(dc));
    BitmapHandle bitmap(CreateCompatibleBitmap(dc, w, h));
    {
        Selection bmp(mem.Get(), bitmap.Get());
        SetViewportOrgEx(mem.Get(), -area.left, -area.top, nullptr);
        Fill(mem.Get(), area, form_.CurrentBackColor());
        for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
            if ((*it)->kind == ControlKind::Label)
                PaintLabel(mem.Get(), *static_cast<const Label*>(*it));
            if ((*it)->kind == ControlKind::Line)
                PaintLine(mem.Get(), *static_cast<const Line*>(*it));
        }
        // The part that has the keyboard, while the window has it.
        const TwipsRect* focus = form_.FocusedArea();
        if (focus && focus->width > 0 && GetFocus() == hwnd_) {
            RECT f = PxRect(*focus);
            DrawFocusRect(mem.Get(), &f);
        }
        SetViewportOrgEx(mem.Get(), 0, 0, nullptr);
        BitBlt(dc, area.left, area.top, w, h, mem.Get(), 0, 0, SRCCOPY);
    }
}

void Win32Peer::PaintLabel(HDC dc, const Label& label) {
    const LabelDesign& d = label.Get();
    RECT r = PxRect(d.rect);
    if (d.opaque) Fill(dc, r, d.backColor);
    if (d.border) {
        PenHandle pen(CreatePen(PS_SOLID, 1, RGB(0, 0, 0)));
        Selection p(dc, pen.Get());
        Selection b(dc, GetStockObject(NULL_BRUSH));
        Rectangle(dc, r.left, r.top, r.right, r.bottom);
    }
    Selection f(dc, fonts_.Get(d.font, platform_.Dpi()));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, Resolve(d.foreColor));
    const std::wstring text = Wide(d.caption);
    UINT flags = DT_NOPREFIX | DT_WORDBREAK | (d.align == Align::Centre ? DT_CENTER : DT_LEFT);
    if (d.border) InflateRect(&r, -1, -1);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, flags);
}

void Win32Peer::PaintLine(HDC dc, const Line& line) {
    const LineDesign& d = line.Get();
    // The width is given at 96 dots per inch and grows with the screen.
    const int width = std::max(1, MulDiv(d.widthPx, platform_.Dpi(), 96));
    LOGBRUSH brush{BS_SOLID, Resolve(d.color), 0};
    PenHandle pen(ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_FLAT, static_cast<DWORD>(width),
                               &brush, 0, nullptr));
    Selection p(dc, pen.Get());
    MoveToEx(dc, Px(d.x1), PxY(d.y1), nullptr);
    LineTo(dc, Px(d.x2), PxY(d.y2));
}

void Win32Peer::DrawButton(const DRAWITEMSTRUCT& item) {
    const CommandButton* button = nullptr;
    for (const auto& [child, b] : buttons_)
        if (child == item.hwndItem) button = b;
    if (!button) return;
    RECT r = item.rcItem;
    Fill(item.hDC, r, button->Get().backColor);
    DrawEdge(item.hDC, &r, (item.itemState & ODS_SELECTED) ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    Selection f(item.hDC, fonts_.Get(button->Get().font, platform_.Dpi()));
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, Resolve(button->Get().foreColor));
    const std::wstring text = Wide(button->Get().caption);
    RECT t = r;
    if (item.itemState & ODS_SELECTED) OffsetRect(&t, 1, 1);
    DrawTextW(item.hDC, text.c_str(), static_cast<int>(text.size()), &t,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if (item.itemState & ODS_FOCUS) {
        InflateRect(&r, -4, -4);
        DrawFocusRect(item.hDC, &r);
    }
}

}  // namespace dv::win32
