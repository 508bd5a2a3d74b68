// The frames of one countdown look. The background and bezel are drawn once and every glyph
// cell is blended once per digit it shows; each frame is then put together already reduced,
// from the box sums of the background and of its cells. The bytes are those of blending the
// cells into the full-size picture and reducing it with ResizeImage, at a fraction of the
// cost.
#pragma once

#include <windows.h>

#include "effects/countdown.h"
#include "frame/global_block.h"
#include "imaging/box_average.h"

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

// The full-size background of a look, as the glyphs are blended into it: filled with the
// background colour and framed by the bezel when it is on. Null when no surface can be made.
HGLOBAL RenderCountdownBackground(const CountdownLook &look);

class CountdownFrames
{
public:
    CountdownFrames(const CountdownLook &look, const CountdownArtwork &artwork);

    // One reduced frame, or null when the background could not be drawn or memory fails.
    HGLOBAL Render(const CountdownTime &time);

private:
    // One glyph cell blended over its place: for each of its rows, the change it makes to the
    // sum of every box it touches, per byte of the pixel.
    struct CellSums {
        int firstBox = 0, boxes = 0, rows = 0;
        std::vector<int16_t> change; // rows × boxes × 3
    };
    struct Cell {
        const PackedImage *strip;
        int start, width, x; // first strip column, cell width, destination column
    };

    const CellSums &Sums(int slot, const Cell &cell);
    void AddCellRow(const CellSums &sums, int row, int *rowSums) const;

    CountdownLook look_;
    CountdownArtwork artwork_;
    int border_ = 0;
    GlobalBlock background_;
    GlobalLockGuard<PackedImage> pixels_;
    std::unique_ptr<BoxAxis> columns_, rows_;
    int bandRows_ = 0;
    std::vector<int> bandSums_;  // per band row: box sums of the background, 3 per box
    std::vector<int> fixedSums_; // per reduced row: sums of its reduced rows outside the band
    std::map<std::pair<int, int>, CellSums> cells_; // by slot and first strip column
};
