#include "headless/core/Keyboard.h"

#include <array>

#include "platform/win/WinConstants.h"

namespace zv::headless {

namespace {

struct KeyCharacters {
    int vk;
    char plain;
    char shifted;
};

// The keys other than letters that type characters.
constexpr std::array<KeyCharacters, 26> kKeys = {{
    {'1', '1', '!'},
    {'2', '2', '@'},
    {'3', '3', '#'},
    {'4', '4', '$'},
    {'5', '5', '%'},
    {'6', '6', '^'},
    {'7', '7', '&'},
    {'8', '8', '*'},
    {'9', '9', '('},
    {'0', '0', ')'},
    {0xBA, ';', ':'},   // VK_OEM_1
    {0xBB, '=', '+'},   // VK_OEM_PLUS
    {0xBC, ',', '<'},   // VK_OEM_COMMA
    {0xBD, '-', '_'},   // VK_OEM_MINUS
    {0xBE, '.', '>'},   // VK_OEM_PERIOD
    {0xBF, '/', '?'},   // VK_OEM_2
    {0xC0, '`', '~'},   // VK_OEM_3
    {0xDB, '[', '{'},   // VK_OEM_4
    {0xDC, '\\', '|'},  // VK_OEM_5
    {0xDD, ']', '}'},   // VK_OEM_6
    {0xDE, '\'', '"'},  // VK_OEM_7
    {win::VK_SPACE, ' ', ' '},
    {win::VK_RETURN, '\r', '\r'},
    {win::VK_BACK, '\b', '\b'},
    {win::VK_TAB, '\t', '\t'},
    {win::VK_ESCAPE, '\x1B', '\x1B'},
}};

}  // namespace

char CharacterOfKey(int vk, bool shift) {
    if (vk >= 'A' && vk <= 'Z') {
        return static_cast<char>(shift ? vk : vk - 'A' + 'a');
    }
    for (const KeyCharacters& key : kKeys) {
        if (key.vk == vk) {
            return shift ? key.shifted : key.plain;
        }
    }
    return 0;
}

std::optional<KeyStroke> KeyForCharacter(char ch) {
    if (ch >= 'a' && ch <= 'z') {
        return KeyStroke{ch - 'a' + 'A', false};
    }
    if (ch >= 'A' && ch <= 'Z') {
        return KeyStroke{ch, true};
    }
    for (const KeyCharacters& key : kKeys) {
        if (key.plain == ch) {
            return KeyStroke{key.vk, false};
        }
        if (key.shifted == ch) {
            return KeyStroke{key.vk, true};
        }
    }
    return std::nullopt;
}

}  // namespace zv::headless
