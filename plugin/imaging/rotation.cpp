#include "imaging/rotation.h"

#include <cmath>

void RotatePoint(int *x, int *y, int cx, int cy, double degrees)
{
    const double angle = degrees * kDegreesToRadians;
    const double dx = static_cast<double>(*x) - cx;
    const double dy = static_cast<double>(*y) - cy;
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    *x = static_cast<int>(dx * c - dy * s) + cx;
    *y = static_cast<int>(dx * s + dy * c) + cy;
}

void RotatePointInt(int *x, int *y, int cx, int cy, int degrees)
{
    RotatePoint(x, y, cx, cy, static_cast<double>(degrees));
}
