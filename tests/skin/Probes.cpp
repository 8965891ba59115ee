// The probes file between the skinned test window and the tests, one named probe per
// line, colours written RRGGBB as in skin sources.
#include "Probes.h"

#include <cstdio>
#include <fstream>
#include <sstream>

std::string ColourText(COLORREF colour) {
    char text[7];
    std::snprintf(text, sizeof text, "%02X%02X%02X", GetRValue(colour), GetGValue(colour),
                  GetBValue(colour));
    return text;
}

void WriteProbes(const Probes& probes, const char* path) {
    std::ofstream file(path);
    for (const auto& [name, colours] : probes.colours) {
        file << "colour " << name;
        for (const COLORREF colour : colours) {
            file << ' ' << ColourText(colour);
        }
        file << '\n';
    }
    for (const auto& [name, value] : probes.numbers) {
        file << "number " << name << ' ' << value << '\n';
    }
}

Probes ReadProbes(const char* path) {
    Probes probes;
    std::ifstream file(path);
    std::string line;
    while (std::getline(file, line)) {
        std::istringstream fields(line);
        std::string kind;
        std::string name;
        fields >> kind >> name;
        if (kind == "number") {
            fields >> probes.numbers[name];
            continue;
        }
        auto& colours = probes.colours[name];
        std::string colour;
        while (fields >> colour) {
            colours.insert(Hex(static_cast<unsigned>(std::stoul(colour, nullptr, 16))));
        }
    }
    return probes;
}
