// What the skinned test window records and the tests read: the colours found at named
// places on screen, and named numbers such as attach's result.
#pragma once

#include <windows.h>

#include <map>
#include <set>
#include <string>

// A colour as it is typed in skin sources, 0xRRGGBB.
constexpr COLORREF Hex(unsigned rrggbb) {
    return RGB((rrggbb >> 16) & 0xFF, (rrggbb >> 8) & 0xFF, rrggbb & 0xFF);
}

struct Probes {
    std::map<std::string, std::set<COLORREF>> colours;
    std::map<std::string, long> numbers;
};

constexpr char kProbesFile[] = "probes.txt";

// One line per probe: "colour <name> RRGGBB..." or "number <name> <decimal>".
void WriteProbes(const Probes& probes, const char* path);
Probes ReadProbes(const char* path);
std::string ColourText(COLORREF colour);
