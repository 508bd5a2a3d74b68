// Drawing objects selected into a device context for a guard's lifetime.
#pragma once

#include <windows.h>

// A solid pen selected into a device context for the guard's lifetime.
class ScopedPen
{
public:
    ScopedPen(HDC dc, int colour, int width)
        : dc_(dc), pen_(CreatePen(PS_SOLID, width, colour)), previous_(SelectObject(dc, pen_))
    {
    }
    ~ScopedPen()
    {
        SelectObject(dc_, previous_);
        DeleteObject(pen_);
    }
    ScopedPen(const ScopedPen &) = delete;
    ScopedPen &operator=(const ScopedPen &) = delete;

private:
    HDC dc_;
    HPEN pen_;
    HGDIOBJ previous_;
};
