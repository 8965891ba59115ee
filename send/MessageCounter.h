// The character-input handler of the message box: refuses codes from 123 up and shows
// how many letters are left in the red label.
#pragma once

#include <optional>

std::optional<int> OnMessageCharInput(int code);
