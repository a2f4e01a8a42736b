#pragma once

#include <windows.h>

namespace pivlon::testing {

// Asks `done` every 50 ms until it says yes or the time is up; returns its last answer.
template <typename Condition>
bool PollUntil(DWORD milliseconds, Condition done) {
    const ULONGLONG deadline = GetTickCount64() + milliseconds;
    while (!done()) {
        if (GetTickCount64() >= deadline)
            return false;
        Sleep(50);
    }
    return true;
}

}  // namespace pivlon::testing
