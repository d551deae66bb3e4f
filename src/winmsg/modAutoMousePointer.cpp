#include "winmsg/modAutoMousePointer.h"

#include "platform/automation/Application.h"

namespace zv {

std::shared_ptr<AutoMousePointer> NewAutoMousePointer(std::int16_t pointer) {
    auto guard = std::make_shared<AutoMousePointer>();
    App().SetMousePointer(pointer);
    return guard;
}

}  // namespace zv
