// Turning points about a centre, clockwise on the screen for positive angles (y grows
// downward).
#pragma once

// The angle factor is 3.14159 / 180, not the exact one: every dial and sweep was laid out
// with it, and the truncated results (10, 0) by 90 degrees gives (0, 9) depend on it.
constexpr double kDegreesToRadians = 0.017453277777777776;

// x' = trunc(dx cos a - dy sin a) + cx, y' = trunc(dx sin a + dy cos a) + cy.
void RotatePoint(int *x, int *y, int cx, int cy, double degrees);
void RotatePointInt(int *x, int *y, int cx, int cy, int degrees);
