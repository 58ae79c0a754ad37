#include "RemoteBuffer.h"

#include <string>

#include "Waiting.h"

RemoteBuffer::RemoteBuffer(HANDLE process, std::size_t size)
    : process_(process),
      memory_(static_cast<char*>(VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE))),
      size_(size) {
    if (!memory_) {
        throw DriverError("could not allocate memory in the program, error " + std::to_string(GetLastError()));
    }
}

RemoteBuffer::~RemoteBuffer() {
    // The process may have ended already; its memory went with it then.
    VirtualFreeEx(process_, memory_, 0, MEM_RELEASE);
}

LPARAM RemoteBuffer::address(std::size_t offset) const { return reinterpret_cast<LPARAM>(memory_ + offset); }

void RemoteBuffer::write(const void* data, std::size_t size, std::size_t offset) {
    SIZE_T written = 0;
    if (offset + size > size_ || !WriteProcessMemory(process_, memory_ + offset, data, size, &written) ||
        written != size) {
        throw DriverError("could not write to the program's memory");
    }
}

void RemoteBuffer::read(void* data, std::size_t size, std::size_t offset) const {
    SIZE_T got = 0;
    if (offset + size > size_ || !ReadProcessMemory(process_, memory_ + offset, data, size, &got) || got != size) {
        throw DriverError("could not read the program's memory");
    }
}
