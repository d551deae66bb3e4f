#pragma once

// Failures planned for the file operations of TextFile, so that tests reach
// every failure path of the code that writes files. Only the driver plans
// them (driver::FailFileOperation); each backend's TextFile asks before it
// acts and then fails as the platform would.

namespace zv::win {

enum class FileOperation { Open, Write, Close };

// The occurrence-th operation of this kind from now fails (1 = the next),
// once; a new plan replaces the one before.
void PlanFileFailure(FileOperation operation, int occurrence);
void ClearFileFailures() noexcept;

// Counts the operation against the plan; true when it is the one to fail.
bool FileOperationFails(FileOperation operation) noexcept;

}  // namespace zv::win
