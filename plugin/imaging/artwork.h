// Artwork resources: images shipped inside the plug-in as custom resources of type "CPX",
// each a 52-byte header followed by a zlib stream that inflates to a complete packed image.
#pragma once

#include <windows.h>

#include "frame/global_block.h"
#include "imaging/packed_image.h"

#include <cstddef>
#include <cstdint>

constexpr int kArtworkHeaderBytes = 52;

// A new packed image inflated from the CPX resource, or null when the resource is missing
// or damaged. The caller owns the handle.
HGLOBAL LoadArtwork(HMODULE module, int id);

// The same from the bytes of a CPX resource.
HGLOBAL InflateArtwork(const uint8_t *resource, size_t bytes);

// An artwork image loaded and kept locked for the length of one preview or build.
class LockedArtwork
{
public:
    LockedArtwork(HMODULE module, int id) : block_(LoadArtwork(module, id)), lock_(block_.get()) {}
    const PackedImage *get() const { return lock_.get(); }
    explicit operator bool() const { return lock_.get() != nullptr; }

private:
    GlobalBlock block_;
    GlobalLockGuard<PackedImage> lock_;
};
