// An effect's two artwork images, loaded and locked for the length of one handler call and
// published in the context's private slot, where the frame renderer finds them.
#pragma once

#include "frame/effect_context.h"
#include "frame/plugin_instance.h"
#include "imaging/artwork.h"

// Record: an aggregate of the two locked images, in resource order.
template <typename Record> class ArtworkRecord
{
public:
    ArtworkRecord(EffectContext *context, int firstId, int secondId)
        : context_(context), first_(g_module, firstId),
          second_(g_module, secondId), record_{first_.get(), second_.get()}
    {
        context_->effectData = &record_;
    }
    ~ArtworkRecord() { context_->effectData = nullptr; }
    ArtworkRecord(const ArtworkRecord &) = delete;
    ArtworkRecord &operator=(const ArtworkRecord &) = delete;

    explicit operator bool() const { return first_ && second_; }
    const Record &get() const { return record_; }

private:
    EffectContext *context_;
    LockedArtwork first_, second_;
    Record record_;
};
