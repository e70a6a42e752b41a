#pragma once

#include "platform/windows/Win32Api.h"

#include <cstdint>
#include <string>
#include <vector>

// Stand-ins for every Win32 function of the back-ends. Each records its call and answers
// from the state below; nothing reaches the operating system.
namespace fake {

struct Call
{
    std::string name;
    std::vector<std::uintptr_t> args; // numbers and handles, in parameter order
    std::string text;                 // string parameters joined by '|', a null one as "<null>"
    std::vector<unsigned char> bytes; // a record as it was at the moment of the call
};

struct Window
{
    std::uintptr_t id;
    std::uintptr_t parent; // 0: a top-level window
    std::string className;
    RECT rect;
};

struct State
{
    std::vector<Call> calls;

    HANDLE process = reinterpret_cast<HANDLE>(std::uintptr_t{0x51});
    HANDLE token = reinterpret_cast<HANDLE>(std::uintptr_t{0x7e});
    LUID luid{0x89abcdefu, 0x01234567};
    BOOL openProcessTokenResult = 1;
    BOOL lookupResult = 1;
    BOOL adjustResult = 1;
    BOOL exitResult = 1;
    DWORD lastError = 0;

    INT_PTR shellResult = 42;

    std::vector<Window> windows; // siblings in the platform's order

    BOOL notifyResult = 1;
};

State &state();
void reset();
const win32::Win32Api &api();
std::vector<std::string> callNames();

template <typename T> std::uintptr_t number(T *pointer)
{
    return reinterpret_cast<std::uintptr_t>(pointer);
}

} // namespace fake
