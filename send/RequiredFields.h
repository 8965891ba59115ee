// The senders' first step: each required edit box in order, and the box that the first
// empty one shows.
#pragma once

#include <span>

struct RequiredField {
    int control;
    const char* message;
    const char* title;
};

// Shows the box of the first empty field and returns false; true when none is empty.
bool CheckRequiredFields(std::span<const RequiredField> fields);
