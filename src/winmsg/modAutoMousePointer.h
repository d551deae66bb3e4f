#pragma once

#include <cstdint>
#include <memory>

#include "winmsg/AutoMousePointer.h"

namespace zv {

// Sets the application-wide pointer (a mouse_pointer code) for as long as
// the caller holds the guard returned; the guard records the pointer in force
// before. A code the platform does not know raises invalid property value
// (380) and changes nothing.
std::shared_ptr<AutoMousePointer> NewAutoMousePointer(std::int16_t pointer);

}  // namespace zv
