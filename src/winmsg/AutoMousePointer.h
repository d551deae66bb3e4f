#pragma once

// Holds the application-wide mouse pointer for as long as the guard lives:
// it remembers the pointer in force when it is made and puts it back when its
// last holder lets go. NewAutoMousePointer makes one and sets the new pointer.

#include <cstdint>

namespace zv {

class AutoMousePointer {
  public:
    AutoMousePointer();
    AutoMousePointer(const AutoMousePointer&) = delete;
    AutoMousePointer& operator=(const AutoMousePointer&) = delete;
    ~AutoMousePointer();

  private:
    std::int16_t m_previous;
};

}  // namespace zv
