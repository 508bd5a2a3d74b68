#include "imaging/octree_quantiser.h"

#include "frame/global_block.h"
#include "imaging/packed_image.h"

#include <cstring>
#include <memory>
#include <new>
#include <vector>

namespace
{

// Frames are read as true colour whatever their depth.
int PixelColour(const PackedImage *image, int x, int y)
{
    const int value = GetImagePixel(image, x, y);
    if (image->biBitCount > 8)
        return value & 0xFFFFFF;
    const RGBQUAD entry = reinterpret_cast<const RGBQUAD *>(image + 1)[value];
    return entry.rgbRed | (entry.rgbGreen << 8) | (entry.rgbBlue << 16);
}

// Picture row y as colours; 24-bit rows are read straight from their bytes.
void ReadRow(const PackedImage *image, int y, int *colours)
{
    if (image->biBitCount == 24) {
        const uint8_t *p = ImageRow(image, y);
        for (int x = 0; x < image->biWidth; x++, p += 3)
            colours[x] = p[2] | (p[1] << 8) | (p[0] << 16);
        return;
    }
    for (int x = 0; x < image->biWidth; x++)
        colours[x] = PixelColour(image, x, y);
}

// Calls visit(image) with each frame's locked image in order; false when a frame cannot be
// fetched or locked, or when visit returns false.
template <typename Visit> bool VisitFrames(const FrameList *frames, Visit visit)
{
    for (int f = 0; f < frames->count; f++) {
        FrameRecord record;
        if (!GetFrame(&record, frames, f))
            return false;
        GlobalLockGuard<PackedImage> image(record.image);
        if (!image || !visit(image.get()))
            return false;
    }
    return true;
}

// Calls visit(colour) for every pixel, top-down and left to right, until it returns false.
template <typename Visit> bool VisitPixels(const PackedImage *image, Visit visit)
{
    std::vector<int> row(image->biWidth);
    for (int y = 0; y < image->biHeight; y++) {
        ReadRow(image, y, row.data());
        for (int colour : row)
            if (!visit(colour))
                return false;
    }
    return true;
}

// The distinct colours seen so far, in first-seen order, with a hash for the search.
class DistinctColours
{
public:
    explicit DistinctColours(int limit) : limit_(limit)
    {
        std::memset(slots_, 0xFF, sizeof slots_);
    }

    bool Full() const { return count_ >= limit_; }
    int Count() const { return count_; }

    // Adds the colour when new; returns false when it is new but the list is full.
    bool Add(int colour)
    {
        unsigned slot = Hash(colour);
        for (; slots_[slot] >= 0; slot = (slot + 1) & 1023)
            if (colours_[slots_[slot]] == colour)
                return true;
        if (Full())
            return false;
        slots_[slot] = static_cast<int16_t>(count_);
        colours_[count_++] = colour;
        return true;
    }

    void CopyTo(uint8_t *palette) const
    {
        for (int i = 0; i < count_; i++) {
            palette[3 * i] = static_cast<uint8_t>(colours_[i]);
            palette[3 * i + 1] = static_cast<uint8_t>(colours_[i] >> 8);
            palette[3 * i + 2] = static_cast<uint8_t>(colours_[i] >> 16);
        }
    }

private:
    static unsigned Hash(int colour) { return (static_cast<unsigned>(colour) * 2654435761u) >> 22; }

    int limit_;
    int count_ = 0;
    int colours_[256];
    int16_t slots_[1024];
};

} // namespace

int CollectExactPalette(int *count, uint8_t *palette, const FrameList *frames)
{
    std::memset(palette, 0, 768);
    const int limit = *count < 0 ? 0 : (*count > 256 ? 256 : *count);
    DistinctColours distinct(limit);
    const bool fits = VisitFrames(frames, [&](const PackedImage *image) {
        return VisitPixels(image, [&](int colour) {
            // A full list fails on the next pixel, even one of a colour it holds.
            return !distinct.Full() && distinct.Add(colour);
        });
    });
    if (!fits)
        return 0;
    distinct.CopyTo(palette);
    *count = distinct.Count();
    return 1;
}

namespace
{

struct Node {
    double pixels;
    double red, green, blue;
    double error;
    int32_t colourNumber;
    uint8_t childIndex;
    uint8_t level;
    uint8_t childMask;
    Node *parent;
    Node *children[8];
};

constexpr int kNodesPerBlock = 1536;
constexpr int kNodeCap = 266817;

class Octree
{
public:
    explicit Octree(int depth) : depth_(depth)
    {
        root_ = NewNode();
        if (root_)
            root_->parent = root_;
    }

    bool Valid() const { return root_ != nullptr && !failed_; }
    int Colours() const { return colours_; }

    // Adds one image, stored row by stored row, in runs of identical pixels.
    void Classify(const PackedImage *image)
    {
        const int width = image->biWidth;
        std::vector<int> row(width);
        for (int stored = 0; stored < image->biHeight && !failed_; stored++) {
            if (nodes_ > kNodeCap) {
                PruneLevel(root_, depth_);
                depth_--;
            }
            ReadRow(image, image->biHeight - 1 - stored, row.data());
            for (int x = 0; x < width && !failed_;) {
                const int colour = row[x];
                int run = 1;
                while (x + run < width && row[x + run] == colour)
                    run++;
                Add(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF, run);
                x += run;
            }
        }
    }

    void Reduce(int target)
    {
        next_ = 0;
        while (colours_ > target) {
            threshold_ = next_;
            next_ = root_->error - 1;
            colours_ = 0;
            ReduceVisit(root_);
        }
    }

    int MakePalette(uint8_t *palette)
    {
        int made = 0;
        PaletteVisit(root_, palette, made);
        return made;
    }

private:
    Node *NewNode()
    {
        if (free_ == 0) {
            Node *block = new (std::nothrow) Node[kNodesPerBlock]();
            if (!block) {
                failed_ = true;
                return nullptr;
            }
            blocks_.emplace_back(block);
            next_free_ = block;
            free_ = kNodesPerBlock;
        }
        free_--;
        nodes_++;
        return next_free_++;
    }

    void Add(int r, int g, int b, int run)
    {
        Node *node = root_;
        double midRed = 127.5, midGreen = 127.5, midBlue = 127.5, half = 128;
        for (int level = 1; level <= depth_; level++) {
            const int s = 8 - level;
            const int bitR = (r >> s) & 1, bitG = (g >> s) & 1, bitB = (b >> s) & 1;
            const int index = bitR * 4 + bitG * 2 + bitB;
            half /= 2;
            midRed += bitR ? half : -half;
            midGreen += bitG ? half : -half;
            midBlue += bitB ? half : -half;
            Node *child = node->children[index];
            if (!child) {
                child = NewNode();
                if (!child)
                    return;
                child->childIndex = static_cast<uint8_t>(index);
                child->level = static_cast<uint8_t>(level);
                child->parent = node;
                node->children[index] = child;
                node->childMask |= 1 << index;
                if (level == depth_)
                    colours_++;
            }
            node = child;
            const double db = b - midBlue, dr = r - midRed, dg = g - midGreen;
            node->error += run * (db * db + dr * dr + dg * dg);
            root_->error += node->error;
        }
        node->pixels += run;
        node->red += static_cast<double>(run) * r;
        node->green += static_cast<double>(run) * g;
        node->blue += static_cast<double>(run) * b;
    }

    // Merges a node into its parent: its children first, then itself.
    void Prune(Node *node)
    {
        for (int i = 0; i < 8; i++)
            if (node->childMask & (1 << i))
                Prune(node->children[i]);
        Node *parent = node->parent;
        parent->childMask &= ~(1 << node->childIndex);
        parent->children[node->childIndex] = nullptr;
        parent->pixels += node->pixels;
        parent->red += node->red;
        parent->green += node->green;
        parent->blue += node->blue;
        nodes_--;
    }

    // Merges every node of the given level into its parent.
    void PruneLevel(Node *node, int level)
    {
        for (int i = 0; i < 8; i++)
            if (node->childMask & (1 << i)) {
                Node *child = node->children[i];
                if (child->level == level)
                    Prune(child);
                else
                    PruneLevel(child, level);
            }
    }

    void ReduceVisit(Node *node)
    {
        for (int i = 0; i < 8; i++)
            if (node->childMask & (1 << i))
                ReduceVisit(node->children[i]);
        if (node->error > threshold_) {
            if (node->pixels > 0)
                colours_++;
            if (node->error < next_)
                next_ = node->error;
        } else {
            Prune(node);
        }
    }

    void PaletteVisit(Node *node, uint8_t *palette, int &made)
    {
        for (int i = 0; i < 8; i++)
            if (node->childMask & (1 << i))
                PaletteVisit(node->children[i], palette, made);
        if (node->pixels == 0 || made >= 256)
            return;
        const double p = node->pixels;
        palette[3 * made] = static_cast<uint8_t>((node->red + p / 2) / p);
        palette[3 * made + 1] = static_cast<uint8_t>((node->green + p / 2) / p);
        palette[3 * made + 2] = static_cast<uint8_t>((node->blue + p / 2) / p);
        node->colourNumber = made++;
    }

    Node *root_ = nullptr;
    int depth_;
    int colours_ = 0;
    double threshold_ = 0;
    double next_ = 0;
    int nodes_ = 0;
    int free_ = 0;
    Node *next_free_ = nullptr;
    std::vector<std::unique_ptr<Node[]>> blocks_;
    bool failed_ = false;
};

int DepthFor(int n)
{
    int depth = 1;
    for (int c = n; c; c >>= 2)
        depth++;
    depth--;
    return depth < 2 ? 2 : depth > 8 ? 8 : depth;
}

} // namespace

int QuantiseFrames(int *count, uint8_t *palette, const FrameList *frames)
{
    std::memset(palette, 0, 768);
    const int n = *count <= 0 || *count > 256 ? 256 : *count;
    Octree tree(DepthFor(n));
    if (!tree.Valid())
        return 0;

    DistinctColours distinct(256);
    long unlisted = 0; // pixels of colours that found the list full
    const bool read = VisitFrames(frames, [&](const PackedImage *image) {
        VisitPixels(image, [&](int colour) {
            unlisted += !distinct.Add(colour);
            return true;
        });
        tree.Classify(image);
        return tree.Valid();
    });
    if (!read)
        return 0;

    if (distinct.Count() + unlisted > n) {
        tree.Reduce(n);
        *count = tree.MakePalette(palette);
    } else {
        distinct.CopyTo(palette);
        *count = distinct.Count();
    }
    return 1;
}
