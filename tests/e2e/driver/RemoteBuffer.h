#pragma once
// Memory in another process, for messages whose arguments point to data that Wine does not
// carry across processes by itself.

#include <windows.h>

#include <cstddef>

class RemoteBuffer {
public:
    RemoteBuffer(HANDLE process, std::size_t size);
    ~RemoteBuffer();
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    // The buffer's address in the other process, plus offset.
    LPARAM address(std::size_t offset = 0) const;
    void write(const void* data, std::size_t size, std::size_t offset = 0);
    void read(void* data, std::size_t size, std::size_t offset = 0) const;

private:
    HANDLE process_;
    char* memory_;
    std::size_t size_;
};
