// Prints what GetPwrCapabilities tells, for test_wine.py to hold --check against: it only
// reads.
#include <windows.h>

#include <powrprof.h>

#include <cstdio>

int main()
{
    SYSTEM_POWER_CAPABILITIES caps{};
    if (!GetPwrCapabilities(&caps))
        return std::printf("GetPwrCapabilities failed: %lu\n", GetLastError()), 1;
    // AoAc is spare2[2] in MinGW's header.
    std::printf("S3=%d S4=%d HiberFilePresent=%d AoAc=%d\n", caps.SystemS3, caps.SystemS4,
                caps.HiberFilePresent, caps.spare2[2]);
}
