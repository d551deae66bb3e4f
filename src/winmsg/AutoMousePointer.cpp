#include "winmsg/AutoMousePointer.h"

#include "platform/automation/Application.h"

namespace zv {

AutoMousePointer::AutoMousePointer() : m_previous(App().MousePointer()) {}

AutoMousePointer::~AutoMousePointer() {
    try {
        App().SetMousePointer(m_previous);
    } catch (...) {
        // The pointer recorded was valid once; letting go cannot fail.
    }
}

}  // namespace zv
