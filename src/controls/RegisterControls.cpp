#include "controls/RegisterControls.h"

#include "controls/ImageSelect.h"
#include "controls/ctlImage.h"
#include "platform/forms/ControlTypes.h"

namespace zv {

void RegisterControls() {
    forms::RegisterControlType<ctlImage>(L"ctlImage");
    forms::RegisterControlType<ImageSelect>(L"ImageSelect");
}

}  // namespace zv
