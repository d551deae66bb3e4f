#include "platform/win/FileFaults.h"

#include <optional>

namespace zv::win {

namespace {

struct Plan {
    FileOperation operation;
    int remaining;
};

std::optional<Plan> g_plan;

}  // namespace

void PlanFileFailure(FileOperation operation, int occurrence) {
    g_plan = Plan{operation, occurrence};
}

void ClearFileFailures() noexcept {
    g_plan.reset();
}

bool FileOperationFails(FileOperation operation) noexcept {
    if (!g_plan || g_plan->operation != operation || --g_plan->remaining > 0) {
        return false;
    }
    g_plan.reset();
    return true;
}

}  // namespace zv::win
