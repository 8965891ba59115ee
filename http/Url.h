// Host, port and path of a plain "http://host:port/path" URL, for opening a connection
// and a request. Any text gives a value: an empty host, port 80, path "/" at worst.
#pragma once

#include <cstdint>

#include "text/Text.h"

Text UrlGetHost(const Text& url);
std::int32_t UrlGetPort(const Text& url);
Text UrlGetPath(const Text& url);
