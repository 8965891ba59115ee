// One complete HTTP request through WinINet, with browser-like default headers, a form
// body for POST and window events processed between reads; the response body is the result.
#pragma once

#include "text/Text.h"

// A null pointer is a parameter the caller does not supply. The method and the header
// text are written back: the settled method, and the header text with every appended line.
// The proxy, when supplied, is used for http; the raw response headers are fetched only
// when asked for. Any failure gives the empty Bytes (or the bytes read before it).
Bytes WebRequest(const Text& url, Text* method = nullptr, const Text* proxy = nullptr,
                 Text* headerText = nullptr, const Text* body = nullptr,
                 Text* responseHeaders = nullptr);
