// The Windows power sequence against fake Win32 functions; it links none of the real ones
// (Win32PowerApi.cpp stays out).
#include "platform/windows/Win32Power.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

const HANDLE Process = reinterpret_cast<HANDLE>(0x51);
const HANDLE Token = reinterpret_cast<HANDLE>(0x7e);
std::string g_calls; // the calls in order; a "?" marks an unexpected argument
BOOL g_tokenAnswer, g_exitAnswer;
unsigned char g_record[28];
int g_failures = 0;

void check(bool ok, const std::string &what)
{
    g_failures += !ok;
    if (!ok)
        std::printf("FAIL: %s\n", what.c_str());
}

const win32::PowerApi fakes{
    .GetCurrentProcess = []() WINAPI { return Process; },
    .OpenProcessToken = [](HANDLE process, DWORD access, PHANDLE token) WINAPI -> BOOL {
        g_calls += process == Process && access == 0x20 ? "token " : "token? ";
        *token = g_tokenAnswer ? Token : nullptr;
        return g_tokenAnswer;
    },
    .LookupPrivilegeValueA = [](LPCSTR system, LPCSTR name, PLUID luid) WINAPI -> BOOL {
        g_calls +=
            !system && std::strcmp(name, "SeShutdownPrivilege") == 0 ? "lookup " : "lookup? ";
        *luid = LUID{0x89abcdef, 0x01234567};
        return TRUE;
    },
    .AdjustTokenPrivileges = [](HANDLE token, BOOL disableAll, PTOKEN_PRIVILEGES state,
                                DWORD length, PTOKEN_PRIVILEGES previous, PDWORD returned)
                                 WINAPI -> BOOL {
        const bool ok = token == (g_tokenAnswer ? Token : nullptr) && !disableAll && !length &&
                        !previous && returned && *returned == 0;
        g_calls += ok ? "adjust " : "adjust? ";
        std::memcpy(g_record, state, sizeof g_record);
        return TRUE;
    },
    .CloseHandle = [](HANDLE handle) WINAPI -> BOOL {
        g_calls += handle == Token ? "close " : "close? ";
        return TRUE;
    },
    .ExitWindowsEx = [](UINT flags, DWORD reason) WINAPI -> BOOL {
        g_calls += "exit(" + std::to_string(flags) + (reason == 0xFFFFFFFF ? ") " : "?) ");
        return g_exitAnswer;
    },
    .GetLastError = []() WINAPI -> DWORD {
        g_calls += "error";
        return ERROR_PRIVILEGE_NOT_HELD;
    },
};

// A record of one privilege: its identifier low part first, enabled and used for access;
// the second entry stays empty.
const unsigned char Record[28] = {1,    0,    0,    0,    0xef, 0xcd, 0xab, 0x89,
                                  0x67, 0x45, 0x23, 0x01, 3,    0,    0,    0x80};

} // namespace

int main()
{
    const struct
    {
        Action action;
        bool force;
        UINT flags;
        BOOL tokenOpened = TRUE, accepted = TRUE;
    } rows[] = {{Action::LogOff, true, 4},
                {Action::PowerOff, false, 8},
                {Action::Restart, false, 2},
                {Action::Restart, true, 6},
                // Log off needs no privilege: a token that cannot be opened must not stop it.
                {Action::LogOff, false, 0, FALSE},
                {Action::PowerOff, true, 12, TRUE, FALSE}};
    for (const auto &row : rows) {
        g_calls.clear();
        g_tokenAnswer = row.tokenOpened;
        g_exitAnswer = row.accepted;
        const win32::ExitWindowsResult result = win32::exitWindows(fakes, row.action, row.force);
        const std::string exit = "exit(" + std::to_string(row.flags) + ") ";
        // The token handle is closed, and only when one was opened.
        const std::string close = row.tokenOpened ? "close " : "";
        check(g_calls == "token lookup adjust " + close + exit + (row.accepted ? "" : "error"),
              g_calls);
        check(std::memcmp(g_record, Record, sizeof Record) == 0, exit + "privilege record");
        check(result.accepted == bool(row.accepted) && result.flags == row.flags &&
                  result.error == (row.accepted ? 0 : ERROR_PRIVILEGE_NOT_HELD),
              exit + "result");
    }
    std::printf("%s\n", g_failures ? "FAILED" : "all passed");
    return g_failures ? 1 : 0;
}
