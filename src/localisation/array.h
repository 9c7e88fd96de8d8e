// Array<T>: a growable array of plain values that owns its buffer. Free of
// <windows.h>.
//
// Growth rule: appending first raises the count; when the count then exceeds
// the capacity, the new capacity is capacity + capacity / 4 + 32, or the new
// count if that is larger, and the buffer is reallocated to it. When memory
// runs out (or the size cannot be expressed) FatalMemoryError ends the
// process with code 8: the one place where the program stops on its own.
#pragma once
#include <cstddef>
#include <cstdlib>

// Ends the process with exit code 8 (memory error). Never returns.
[[noreturn]] void FatalMemoryError();

// The reallocation function of every Array (std::realloc). Tests replace it to
// make an allocation fail.
using ReallocateFunction = void* (*)(void* block, size_t size);
extern ReallocateFunction ArrayReallocate;

template <typename T>
class Array {
public:
    Array() = default;
    ~Array() { Free(); }
    Array(const Array&) = delete;
    Array& operator=(const Array&) = delete;

    void Append(T value) {
        ++Count;
        if (Count > Capacity) Grow();
        Items[Count - 1] = value;
    }
    // Frees the buffer; count and capacity become 0.
    void Free();

    int Size() const { return Count; }
    int CurrentCapacity() const { return Capacity; }
    T& operator[](int i) { return Items[i]; }
    const T& operator[](int i) const { return Items[i]; }
    T* begin() { return Items; }
    T* end() { return Items + Count; }
    const T* begin() const { return Items; }
    const T* end() const { return Items + Count; }

private:
    void Grow();

    T* Items = nullptr;
    int Count = 0;
    int Capacity = 0;
};

template <typename T>
void Array<T>::Grow() {
    long long grown = static_cast<long long>(Capacity) + Capacity / 4 + 32;
    if (grown < Count) grown = Count;
    const long long limit = 0x7FFFFFFF / static_cast<long long>(sizeof(T));
    if (grown > limit) FatalMemoryError();
    void* block = ArrayReallocate(Items, static_cast<size_t>(grown) * sizeof(T));
    if (block == nullptr) FatalMemoryError();
    Items = static_cast<T*>(block);
    Capacity = static_cast<int>(grown);
}

template <typename T>
void Array<T>::Free() {
    std::free(Items);
    Items = nullptr;
    Count = 0;
    Capacity = 0;
}
