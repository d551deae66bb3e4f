#include "winmsg/modAutoMousePointer.h"

#include "platform/automation/Application.h"
#include "platform/automation/Trapped.h"

namespace zv {

std::shared_ptr<AutoMousePointer> NewAutoMousePointer(std::int16_t pointer) {
    // A pointer that is not one is refused with 380; nothing else gets out.
    return TrappedButReported(std::shared_ptr<AutoMousePointer>(), [&] {
        auto guard = std::make_shared<AutoMousePointer>();
        App().SetMousePointer(pointer);
        return guard;
    });
}

}  // namespace zv
