#pragma once

// The system's window classes that every fresh desktop has: the controls
// (HeadlessControls) and the dialog class (HeadlessDialogs). Internal to the
// backend.

#include "headless/core/WindowSystem.h"

namespace zv::headless {

// "Button", "Static", "Edit", "ListBox", "ComboLBox" and "ComboBox".
void RegisterControlClasses(WindowSystem& system);

// The answer to a message of a control's own range that it does not model:
// the default procedure's, and a problem for the scripted user, so that the
// running test fails naming it (a silent 0 could pass for a right answer).
LRESULT Unmodelled(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// The procedure of the edit box (HeadlessEdit).
LRESULT ZV_CALLBACK EditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// The procedures of the list box (HeadlessListBox, for "ListBox" and a combo
// box's "ComboLBox") and of the combo box (HeadlessComboBox).
LRESULT ZV_CALLBACK ListBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT ZV_CALLBACK ComboBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// The procedure of the progress bar, "msctls_progress32" (HeadlessProgress).
LRESULT ZV_CALLBACK ProgressProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
// The procedure of the header control (HeadlessHeader, "SysHeader32").
LRESULT ZV_CALLBACK HeaderProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// The procedure of the list view (HeadlessListView, "SysListView32").
LRESULT ZV_CALLBACK ListViewProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// "#32770", the class of dialogs and message boxes.
void RegisterDialogClass(WindowSystem& system);

}  // namespace zv::headless
