// The relay's two network operations: whether the machine is online, and one plain GET
// whose whole response body is the result. Neither lets window events run.
#pragma once

#include "text/Text.h"

// The system reports a connection, a session with the preconfigured proxy setting opens,
// and a GET of the probe host's home page is sent, whatever status it is answered with.
bool IsOnline(const Text& probeUrl);

// One HTTP/1.0 GET of the URL, cut at its first "#" and with no byte escaped; every byte
// of the response body, whatever the status. The empty Bytes when the URL cannot be split
// or the connection, request or send fails. A failing read ends with what was read.
Bytes FetchUrl(const Text& url);
