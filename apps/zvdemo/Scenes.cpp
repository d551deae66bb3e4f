#include "Scenes.h"

#include <algorithm>
#include <array>

#include "platform/text/WideString.h"

namespace zvdemo {

namespace {

constexpr std::array kScenes = {
    Scene{L"errors", L"error records and collections: build, format, merge, copy", RunErrorsScene},
    Scene{L"utilities", L"command lines for other programs, and menu descriptions",
          RunUtilitiesScene},
    Scene{L"plumbing", L"window procedure managers: watching, swallowing and releasing messages",
          RunWindowPlumbingScene},
    Scene{L"hooks", L"message hooks, forwarded parent notices, window-less timers, pointer guards",
          RunHooksScene},
    Scene{L"drawing", L"edges, transparent pictures and text in several fonts, as a PNG picture",
          RunDrawingScene},
    Scene{L"forms",
          L"a form with every intrinsic control, answered, saved, loaded, as a PNG picture",
          RunFormsScene},
    Scene{L"questions",
          L"the option box, the message box and the platform's box with a count-down, as PNG "
          L"pictures",
          RunQuestionsScene},
    Scene{L"devices",
          L"a list of devices with icons, sorted by header clicks, and an upload's progress, as a "
          L"PNG picture",
          RunDevicesScene},
};

}  // namespace

std::span<const Scene> AllScenes() {
    return kScenes;
}

const Scene* FindScene(const std::wstring& name) {
    const auto found = std::find_if(kScenes.begin(), kScenes.end(), [&](const Scene& scene) {
        return zv::EqualsNoCase(scene.Name, name);
    });
    return found == kScenes.end() ? nullptr : &*found;
}

}  // namespace zvdemo
