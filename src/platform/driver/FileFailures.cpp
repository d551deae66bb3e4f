// The driver's hand on the file seam, the same on both backends: the plan it
// sets is the one each backend's TextFile consults.

#include "platform/driver/Driver.h"
#include "platform/win/FileFaults.h"

namespace zv::driver {

void FailFileOperation(win::FileOperation operation, int occurrence) {
    win::PlanFileFailure(operation, occurrence);
}

}  // namespace zv::driver
