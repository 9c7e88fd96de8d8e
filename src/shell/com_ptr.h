// Owner of one COM interface pointer: releases it in its destructor.
#pragma once
#include <unknwn.h>

template <typename Interface>
class ComPtr {
public:
    ComPtr() = default;
    ~ComPtr() { Reset(); }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;

    Interface* Get() const { return pointer_; }
    Interface* operator->() const { return pointer_; }
    explicit operator bool() const { return pointer_ != nullptr; }
    // Releases the held pointer and hands out the slot for a call that fills it.
    void** PutVoid() {
        Reset();
        return reinterpret_cast<void**>(&pointer_);
    }
    void Reset() {
        if (pointer_) pointer_->Release();
        pointer_ = nullptr;
    }

private:
    Interface* pointer_ = nullptr;
};
