#include "probes/counting_allocator.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <new>

namespace {

// A plain thread-local counter needs no initialisation, so it is safe even for allocations
// made while a thread starts or ends.
thread_local std::size_t allocationsOnThisThread = 0;

void* allocate(std::size_t size) noexcept {
    ++allocationsOnThisThread;
    return std::malloc(size == 0 ? 1 : size);
}

// An over-aligned block is cut out of a larger one from malloc, with malloc's pointer kept just
// before it for the aligned deletes: posix_memalign and aligned_alloc are not on every platform.
void* allocateAligned(std::size_t size, std::align_val_t alignment) noexcept {
    ++allocationsOnThisThread;
    const std::size_t align = std::max(static_cast<std::size_t>(alignment), alignof(void*));
    void* block = std::malloc(size + align + sizeof(void*));
    if (block == nullptr) {
        return nullptr;
    }
    const std::uintptr_t start = reinterpret_cast<std::uintptr_t>(block) + sizeof(void*);
    void** memory = reinterpret_cast<void**>((start + align - 1) & ~(align - 1));
    memory[-1] = block;
    return memory;
}

void freeAligned(void* memory) noexcept {
    if (memory != nullptr) {
        std::free(static_cast<void**>(memory)[-1]);
    }
}

void* orThrow(void* memory) {
    if (memory == nullptr) {
        throw std::bad_alloc();
    }
    return memory;
}

} // namespace

AllocationCounter::AllocationCounter() : start_(allocationsOnThisThread) {}

std::size_t AllocationCounter::count() const {
    return allocationsOnThisThread - start_;
}

void AllocationCounter::restart() {
    start_ = allocationsOnThisThread;
}

void* operator new(std::size_t size) {
    return orThrow(allocate(size));
}
void* operator new[](std::size_t size) {
    return orThrow(allocate(size));
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return allocate(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return allocate(size);
}
void* operator new(std::size_t size, std::align_val_t alignment) {
    return orThrow(allocateAligned(size, alignment));
}
void* operator new[](std::size_t size, std::align_val_t alignment) {
    return orThrow(allocateAligned(size, alignment));
}
void* operator new(std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept {
    return allocateAligned(size, alignment);
}
void* operator new[](std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept {
    return allocateAligned(size, alignment);
}

void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete[](void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}
void operator delete[](void* memory, std::size_t) noexcept {
    std::free(memory);
}
void operator delete(void* memory, const std::nothrow_t&) noexcept {
    std::free(memory);
}
void operator delete[](void* memory, const std::nothrow_t&) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::align_val_t) noexcept {
    freeAligned(memory);
}
void operator delete[](void* memory, std::align_val_t) noexcept {
    freeAligned(memory);
}
void operator delete(void* memory, std::size_t, std::align_val_t) noexcept {
    freeAligned(memory);
}
void operator delete[](void* memory, std::size_t, std::align_val_t) noexcept {
    freeAligned(memory);
}
void operator delete(void* memory, std::align_val_t, const std::nothrow_t&) noexcept {
    freeAligned(memory);
}
void operator delete[](void* memory, std::align_val_t, const std::nothrow_t&) noexcept {
    freeAligned(memory);
}
