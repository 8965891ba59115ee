// An owned WinINet handle (session, connection or request), closed when its owner goes,
// so that every early return of a request closes what was opened before it.
#pragma once

#include <windows.h>
#include <wininet.h>

#include <memory>

struct InternetHandleCloser {
    void operator()(HINTERNET handle) const { InternetCloseHandle(handle); }
};

// Holds nullptr when the call that should have opened the handle failed.
using InternetHandle = std::unique_ptr<void, InternetHandleCloser>;
