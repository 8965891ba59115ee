#!/usr/bin/env python3
# Compiles a readable skin source (resources/skin/*.skin) into the binary skin file that
# the skin engine reads (skinh.she), refusing skins whose text would be hard to read.

# A source holds "name = #RRGGBB" and "name = number" lines; lines starting with # are
# comments. The binary layout is described where skin/SkinFile.cpp reads it.
import argparse
import re
import sys

# The order of the colours in the file; skin/SkinFile.h lists the same order.
COLOURS = [
    "background", "text", "disabled_text", "group_border", "group_title",
    "button", "button_hover", "button_pressed", "button_border", "button_text",
    "accent", "edit", "edit_text", "edit_border",
    "tab", "tab_text", "tab_selected_text", "tab_border",
]
# Metrics in pixels with the ranges that the engine accepts.
METRICS = {"corner_radius": (0, 12), "border_width": (1, 3)}
VERSION = 1

# Every text drawn in the skin's own colours, on the background it is drawn on.
TEXT_PAIRS = [
    ("text", "background"), ("group_title", "background"),
    ("button_text", "button"), ("button_text", "button_hover"), ("button_text", "button_pressed"),
    ("edit_text", "edit"), ("tab_text", "tab"), ("tab_selected_text", "background"),
]
MINIMUM_CONTRAST = 4.5


class SkinError(Exception):
    pass


def relative_luminance(rgb):
    def channel(value):
        value /= 255
        return value / 12.92 if value <= 0.04045 else ((value + 0.055) / 1.055) ** 2.4

    red, green, blue = (channel(v) for v in rgb)
    return 0.2126 * red + 0.7152 * green + 0.0722 * blue


def contrast(first, second):
    lighter, darker = sorted((relative_luminance(first), relative_luminance(second)), reverse=True)
    return (lighter + 0.05) / (darker + 0.05)


def parse(path):
    values = {}
    with open(path, encoding="utf-8") as source:
        for number, line in enumerate(source, 1):
            line = line.strip()
            if not line or line.startswith("#"):
                continue
            where = f"{path}:{number}"
            name, separator, value = (part.strip() for part in line.partition("="))
            if not separator:
                raise SkinError(f"{where}: expected 'name = value'")
            if name in values:
                raise SkinError(f"{where}: '{name}' is set twice")
            if name in METRICS:
                low, high = METRICS[name]
                if not value.isdigit() or not low <= int(value) <= high:
                    raise SkinError(f"{where}: {name} must be a whole number from {low} to {high}")
                values[name] = int(value)
            elif name in COLOURS:
                if not re.fullmatch(r"#[0-9A-Fa-f]{6}", value):
                    raise SkinError(f"{where}: {name} must be a colour written #RRGGBB")
                values[name] = bytes.fromhex(value[1:])
            else:
                raise SkinError(f"{where}: unknown name '{name}'")
    missing = [name for name in [*METRICS, *COLOURS] if name not in values]
    if missing:
        raise SkinError(f"{path}: missing {', '.join(missing)}")
    return values


def check_contrast(path, values):
    weak = [
        f"{text} on {background}: {contrast(values[text], values[background]):.2f}:1"
        for text, background in TEXT_PAIRS
        if contrast(values[text], values[background]) < MINIMUM_CONTRAST
    ]
    if weak:
        raise SkinError(f"{path}: text below {MINIMUM_CONTRAST}:1 contrast: {'; '.join(weak)}")


def main():
    parser = argparse.ArgumentParser(description="Compiles a skin source into skinh.she.")
    parser.add_argument("source", help="skin source, name = value lines")
    parser.add_argument("output", help="binary skin file to write")
    arguments = parser.parse_args()
    try:
        values = parse(arguments.source)
        check_contrast(arguments.source, values)
    except (SkinError, OSError) as error:
        sys.exit(f"make-skin: {error}")
    header = b".SHE\0" + bytes([VERSION, values["corner_radius"], values["border_width"]])
    with open(arguments.output, "wb") as output:
        output.write(header + b"".join(values[name] for name in COLOURS))


if __name__ == "__main__":
    main()
