#include "winmsg/AutoMousePointer.h"

#include "platform/automation/Application.h"
#include "platform/automation/Trapped.h"

namespace zv {

AutoMousePointer::AutoMousePointer() : m_previous(App().MousePointer()) {}

AutoMousePointer::~AutoMousePointer() {
    // The pointer recorded was valid once; letting go cannot fail.
    Trapped([&] { App().SetMousePointer(m_previous); });
}

}  // namespace zv
