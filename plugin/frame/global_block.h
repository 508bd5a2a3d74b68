// Scoped ownership and locking of movable global memory blocks, the form every image,
// list and record of the plug-in takes.
#pragma once

#include <windows.h>

// Owns a global block and frees it on scope exit unless ownership is released.
class GlobalBlock
{
public:
    explicit GlobalBlock(HGLOBAL handle = nullptr) : handle_(handle) {}
    ~GlobalBlock() { reset(); }
    GlobalBlock(const GlobalBlock &) = delete;
    GlobalBlock &operator=(const GlobalBlock &) = delete;

    HGLOBAL get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

    // Hands the block to a new owner.
    HGLOBAL release()
    {
        HGLOBAL handle = handle_;
        handle_ = nullptr;
        return handle;
    }

    void reset(HGLOBAL handle = nullptr)
    {
        if (handle_)
            GlobalFree(handle_);
        handle_ = handle;
    }

private:
    HGLOBAL handle_;
};

// Keeps a global block locked for the guard's lifetime.
template <typename T> class GlobalLockGuard
{
public:
    explicit GlobalLockGuard(HGLOBAL handle)
        : handle_(handle), pointer_(handle ? static_cast<T *>(GlobalLock(handle)) : nullptr)
    {
    }
    ~GlobalLockGuard()
    {
        if (pointer_)
            GlobalUnlock(handle_);
    }
    GlobalLockGuard(const GlobalLockGuard &) = delete;
    GlobalLockGuard &operator=(const GlobalLockGuard &) = delete;

    T *get() const { return pointer_; }
    T *operator->() const { return pointer_; }
    explicit operator bool() const { return pointer_ != nullptr; }

    // Leaves the block locked for a new owner, who unlocks it.
    T *release()
    {
        T *pointer = pointer_;
        pointer_ = nullptr;
        return pointer;
    }

private:
    HGLOBAL handle_;
    T *pointer_;
};

// A movable, zero-initialised, shareable block, as every block handed to the host is.
inline HGLOBAL AllocateSharedBlock(SIZE_T bytes)
{
    return GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT | GMEM_SHARE, bytes);
}
