// Put in wineboot.exe's place inside the tests' scratch wine prefix. Wine's ExitWindowsEx
// starts wineboot.exe to end the session or power down; this one only appends its command
// line to C:\orvanta-wineboot.log, so that a test sees what the real Win32 call asked for
// and nothing is ended.
#include <windows.h>

#include <cwchar>

int main()
{
    const wchar_t *line = GetCommandLineW();
    char text[2048];
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, line, -1, text, sizeof text - 1, nullptr, nullptr);
    if (length <= 0)
        return 1;
    text[length - 1] = '\n';
    const HANDLE log = CreateFileW(L"C:\\orvanta-wineboot.log", FILE_APPEND_DATA,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
    if (log == INVALID_HANDLE_VALUE)
        return 1;
    DWORD written = 0;
    const BOOL ok = WriteFile(log, text, static_cast<DWORD>(length), &written, nullptr);
    CloseHandle(log);
    return ok ? 0 : 1;
}
