// Conversions between Text and UTF-16 for the Windows calls that exist only in wide form,
// through the ANSI code page.
#pragma once

#include <string>

#include "Text.h"

std::wstring Widen(const Text& text);
Text Narrow(const std::wstring& wide);
