#pragma once

// Makes the library's visual controls known to form files by type name. A
// host calls it once before it loads forms that hold them.

namespace zv {

void RegisterControls();

}  // namespace zv
