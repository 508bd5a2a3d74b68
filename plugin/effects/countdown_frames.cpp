#include "effects/countdown_frames.h"

#include "effects/effect_frames.h"
#include "imaging/byte_weights.h"
#include "imaging/colour_helpers.h"
#include "imaging/render_surface.h"

#include <algorithm>

namespace
{

// Glyph geometry, in artwork pixels.
constexpr int kLargeCell = 172, kSmallCell = 86, kLargeColon = 1720, kSmallColon = 860;
constexpr int kDigitsWidth = 1323, kDigitsWidthWithTenths = 1465, kDigitsHeight = 267;
constexpr int kSmallColonAt = 1344, kTenthsAt = 1390;
// Where the large cells go: tens of hours, hours, colon, minutes, colon, seconds.
constexpr int kLargeCellAt[8] = {0, 193, 386, 479, 672, 865, 958, 1151};
constexpr int kCells = 10; // eight large, the small colon and the tenths

struct Geometry {
    int reduction, scaled, bezel, border, width, height;
};

Geometry Measure(const CountdownLook &look)
{
    Geometry g;
    g.reduction = kDigitsHeight / std::max(look.size, 1);
    g.scaled = look.antialias ? g.reduction : 1;
    const int padding = look.usePadding ? look.padding * g.scaled : 0;
    g.bezel = look.useBezel ? look.bezelSize * g.scaled : 0;
    g.border = g.bezel + padding;
    g.width = 2 * g.border + (look.tenths ? kDigitsWidthWithTenths : kDigitsWidth);
    g.height = 2 * g.border + kDigitsHeight;
    return g;
}

void Inset(RECT *ring, int width)
{
    ring->left += width;
    ring->top += width;
    ring->right -= width;
    ring->bottom -= width;
}

void Outline(HDC dc, RECT *ring, int colour, int width)
{
    ScopedPen pen(dc, colour, width);
    Rectangle(dc, ring->left, ring->top, ring->right, ring->bottom);
    Inset(ring, width);
}

// Rings of width w from the outside in: a dark line, a light line, a bevel that fades
// inwards, and a near-black line against the digits' background.
void DrawBezel(HDC dc, const CountdownLook &look, int width, int height, int w)
{
    HGDIOBJ previousBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    RECT ring = {0, 0, width - w, height - w};
    Outline(dc, &ring, ScaleColour(look.bezel, 0.66), w);
    Outline(dc, &ring, ScaleColour(look.bezel, 1.6), w);
    const double fade = 1 - 0.3 / std::max(look.bezelSize - 3.0, 0.1);
    int lit = look.bezel, shaded = ScaleColour(look.bezel, 1.6);
    for (int i = 0; i < look.bezelSize - 3; i++) {
        {
            ScopedPen pen(dc, lit, w);
            MoveToEx(dc, ring.left, ring.bottom, nullptr);
            LineTo(dc, ring.left, ring.top);
            LineTo(dc, ring.right, ring.top);
        }
        {
            ScopedPen pen(dc, shaded, w);
            MoveToEx(dc, ring.right, ring.top, nullptr);
            LineTo(dc, ring.right, ring.bottom);
            LineTo(dc, ring.left, ring.bottom);
        }
        shaded = ScaleColour(shaded, fade);
        lit = ScaleColour(lit, fade);
        Inset(&ring, w);
    }
    Outline(dc, &ring, ScaleColour(look.bezel, 0.1), w);
    SelectObject(dc, previousBrush);
}

} // namespace

HGLOBAL RenderCountdownBackground(const CountdownLook &look)
{
    const Geometry g = Measure(look);
    RenderSurface surface = {};
    if (!CreateRenderSurface(g.width, g.height, &surface))
        return nullptr;
    FillSurface(surface, g.width, g.height, look.background);
    if (look.useBezel)
        DrawBezel(surface.memoryDC, look, g.width, g.height, g.scaled);
    ReleaseRenderSurface(&surface, 1);
    return surface.image;
}

CountdownFrames::CountdownFrames(const CountdownLook &look, const CountdownArtwork &artwork)
    : look_(look), artwork_(artwork), background_(RenderCountdownBackground(look)),
      pixels_(background_.get())
{
    const Geometry g = Measure(look);
    if (!pixels_ || g.reduction < 1 || g.reduction > 100)
        return; // sizes the page cannot give (no reduction, or past 100) make no frames
    border_ = g.border;
    const int percent = 100 / g.reduction;
    columns_ = std::make_unique<BoxAxis>(g.width, percent);
    rows_ = std::make_unique<BoxAxis>(g.height, percent);
    bandRows_ = std::min<int>(artwork.large->biHeight, g.height - border_);

    // Box sums of every background row; those of the band's rows are kept, the others are
    // reduced and added up once for all frames.
    const int boxes = columns_->Count();
    bandSums_.assign(static_cast<size_t>(bandRows_) * boxes * 3, 0);
    fixedSums_.assign(static_cast<size_t>(rows_->Count()) * boxes * 3, 0);
    std::vector<int> rowSums(boxes * 3);
    for (int y = 0; y < g.height; y++) {
        const int box = rows_->BoxOf(y);
        const bool band = y >= border_ && y < border_ + bandRows_;
        if (box < 0 && !band)
            continue;
        int *sums = band ? &bandSums_[static_cast<size_t>(y - border_) * boxes * 3] : &rowSums[0];
        std::fill(sums, sums + boxes * 3, 0);
        const uint8_t *p = ImageRow(pixels_.get(), y);
        for (int x = 0; x < g.width; x++, p += 3) {
            const int j = columns_->BoxOf(x);
            if (j >= 0)
                for (int c = 0; c < 3; c++)
                    sums[3 * j + c] += p[c];
        }
        if (band || box < 0)
            continue;
        int *fixed = &fixedSums_[static_cast<size_t>(box) * boxes * 3];
        for (int i = 0; i < boxes * 3; i++)
            fixed[i] += sums[i] / columns_->Divisor(i / 3);
    }
}

// Black strip pixels take the digits' colour, white ones keep what is below; strip columns
// past the strip's edge are white, so a cell changes only the columns its glyph covers.
// Those columns never overlap from one cell to the next, which lets the changes of the cells
// of a frame simply add up.
const CountdownFrames::CellSums &CountdownFrames::Sums(int slot, const Cell &cell)
{
    const auto known = cells_.find({slot, cell.start});
    if (known != cells_.end())
        return known->second;
    CellSums &sums = cells_[{slot, cell.start}];
    const PackedImage *image = pixels_.get();
    const int width =
        std::min<int>({cell.width, cell.strip->biWidth - cell.start, image->biWidth - cell.x});
    sums.rows = std::min<int>(cell.strip->biHeight, bandRows_);
    int first = -1, last = -1;
    for (int j = 0; j < width; j++) {
        const int box = columns_->BoxOf(cell.x + j);
        if (box >= 0) {
            first = first < 0 ? box : first;
            last = box;
        }
    }
    if (first < 0) {
        sums.rows = 0; // wholly past the last box
        return sums;
    }
    sums.firstBox = first;
    sums.boxes = last - first + 1;
    sums.change.assign(static_cast<size_t>(sums.rows) * sums.boxes * 3, 0);
    uint8_t digits[3];
    PixelBytes(look_.digits, digits);
    for (int i = 0; i < sums.rows; i++) {
        const uint8_t *coverage = ImageRow(cell.strip, i) + cell.start;
        const uint8_t *below = ImageRow(image, border_ + i) + 3 * cell.x;
        int16_t *change = &sums.change[static_cast<size_t>(i) * sums.boxes * 3];
        for (int j = 0; j < width; j++, below += 3) {
            const int box = columns_->BoxOf(cell.x + j);
            if (box < 0)
                continue;
            const uint8_t *kept = ByteWeights(coverage[j]);
            const uint8_t *taken = ByteWeights(255 - coverage[j]);
            for (int c = 0; c < 3; c++)
                change[3 * (box - first) + c] +=
                    static_cast<int16_t>(kept[below[c]] + taken[digits[c]] - below[c]);
        }
    }
    return sums;
}

void CountdownFrames::AddCellRow(const CellSums &sums, int row, int *rowSums) const
{
    if (row >= sums.rows)
        return;
    const int16_t *change = &sums.change[static_cast<size_t>(row) * sums.boxes * 3];
    int *target = rowSums + 3 * sums.firstBox;
    for (int i = 0; i < sums.boxes * 3; i++)
        target[i] += change[i];
}

HGLOBAL CountdownFrames::Render(const CountdownTime &time)
{
    if (!columns_)
        return nullptr;
    const int colon = -1;
    const int digits[8] = {time.hours / 10,   time.hours % 10,   colon,
                           time.minutes / 10, time.minutes % 10, colon,
                           time.seconds / 10, time.seconds % 10};
    Cell cells[kCells];
    int count = 0;
    for (int k = 0; k < 8; k++)
        cells[count++] = {artwork_.large, digits[k] == colon ? kLargeColon : digits[k] * kLargeCell,
                          kLargeCell, border_ + kLargeCellAt[k]};
    if (look_.tenths) {
        cells[count++] = {artwork_.small, kSmallColon, kSmallCell, border_ + kSmallColonAt};
        cells[count++] = {artwork_.small, time.tenths * kSmallCell, kSmallCell,
                          border_ + kTenthsAt};
    }
    const CellSums *sums[kCells];
    for (int k = 0; k < count; k++)
        sums[k] = &Sums(k, cells[k]);

    const int boxes = columns_->Count();
    std::vector<int> reduced(fixedSums_);
    std::vector<int> rowSums(boxes * 3);
    for (int i = 0; i < bandRows_; i++) {
        const int box = rows_->BoxOf(border_ + i);
        if (box < 0)
            continue;
        std::copy_n(&bandSums_[static_cast<size_t>(i) * boxes * 3], boxes * 3, rowSums.begin());
        for (int k = 0; k < count; k++)
            AddCellRow(*sums[k], i, rowSums.data());
        int *target = &reduced[static_cast<size_t>(box) * boxes * 3];
        for (int b = 0; b < boxes * 3; b++)
            target[b] += rowSums[b] / columns_->Divisor(b / 3);
    }

    GlobalBlock frame(CreatePackedImage(boxes, rows_->Count(), nullptr, 24));
    GlobalLockGuard<PackedImage> image(frame.get());
    if (!image)
        return nullptr;
    for (int y = 0; y < rows_->Count(); y++) {
        uint8_t *row = ImageRow(image.get(), y);
        const int *sumsOfRow = &reduced[static_cast<size_t>(y) * boxes * 3];
        for (int b = 0; b < boxes * 3; b++)
            row[b] = static_cast<uint8_t>(sumsOfRow[b] / rows_->Divisor(y));
    }
    return frame.release();
}
