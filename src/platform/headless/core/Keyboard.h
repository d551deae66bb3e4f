#pragma once

// The keyboard layout of the headless backend (United States): which
// character a key types, and which key types a character. Internal to the
// backend.

#include <optional>

namespace zv::headless {

// The character a key types with or without shift held, or 0 for none.
char CharacterOfKey(int vk, bool shift);

struct KeyStroke {
    int vk = 0;
    bool shift = false;
};

// The key (and whether shift is held) that types a character, if any does.
std::optional<KeyStroke> KeyForCharacter(char ch);

}  // namespace zv::headless
