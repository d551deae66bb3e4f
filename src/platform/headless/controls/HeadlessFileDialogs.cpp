// The save dialog on the headless backend: a dialog with a file name box,
// the file type chosen and Save and Cancel buttons. Save checks the path as
// the platform's dialog does (the folder must exist, an existing file needs
// confirming) with message boxes of its own, and stays open until a path is
// accepted or the user cancels.

#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "headless/controls/Dialogs.h"
#include "headless/core/WindowSystem.h"
#include "platform/win/WinApi.h"
#include "platform/win/WinConstants.h"

namespace zv::headless {

namespace {

namespace fs = std::filesystem;

// The descriptions of a filter list, "Text files\0*.txt\0...\0\0".
std::vector<std::string> FilterDescriptions(LPCSTR filter) {
    std::vector<std::string> descriptions;
    for (LPCSTR at = filter; at != nullptr && *at != '\0';) {
        descriptions.emplace_back(at);
        at += descriptions.back().size() + 1;
        at += std::string(at).size() + 1;  // the patterns
    }
    return descriptions;
}

fs::path StartFolder(const OPENFILENAMEA& ofn) {
    if (ofn.lpstrInitialDir != nullptr && *ofn.lpstrInitialDir != '\0') {
        return ofn.lpstrInitialDir;
    }
    std::error_code error;
    return fs::current_path(error);
}

// The path a typed name stands for: in the start folder unless it has a
// folder of its own, with the default extension when it has none.
fs::path PathFor(const OPENFILENAMEA& ofn, const std::string& typed) {
    fs::path path = fs::path(typed).is_absolute() ? fs::path(typed) : StartFolder(ofn) / typed;
    if (!path.has_extension() && ofn.lpstrDefExt != nullptr && *ofn.lpstrDefExt != '\0') {
        path += std::string(".") + ofn.lpstrDefExt;
    }
    return path;
}

bool Exists(const fs::path& path) {
    std::error_code error;
    return fs::exists(path, error);
}

// Whether Save may go on with the path, after asking where the platform
// would.
bool Accepts(HWND dialog, const OPENFILENAMEA& ofn, const fs::path& path) {
    const std::string title = WindowText(dialog);
    if ((ofn.Flags & OFN_PATHMUSTEXIST) != 0 && !Exists(path.parent_path())) {
        const std::string text =
            path.string() + "\nPath does not exist.\nCheck the path and try again.";
        MessageBoxA(dialog, text.c_str(), title.c_str(), MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    if ((ofn.Flags & OFN_OVERWRITEPROMPT) != 0 && Exists(path)) {
        const std::string text =
            path.filename().string() + " already exists.\nDo you want to replace it?";
        return MessageBoxA(dialog, text.c_str(), "Confirm Save As",
                           MB_YESNO | MB_ICONEXCLAMATION) == IDYES;
    }
    return true;
}

struct SaveRun : DialogRun {
    fs::path chosen;
};

bool HandleSave(SaveRun& run, const OPENFILENAMEA& ofn, HWND dialog, UINT message, WPARAM wParam) {
    const int id = message == WM_COMMAND ? static_cast<int>(wParam & 0xFFFF) : 0;
    if (message == WM_CLOSE || id == IDCANCEL) {
        run.End(IDCANCEL);
        return true;
    }
    if (id != IDOK) {
        return false;
    }
    const std::string typed = WindowText(GetDlgItem(dialog, IDC_FILE_NAME));
    if (typed.empty()) {
        return true;
    }
    const fs::path path = PathFor(ofn, typed);
    if (Accepts(dialog, ofn, path)) {
        run.chosen = path;
        run.End(IDOK);
    }
    return true;
}

// The dialog's controls: where it saves, the name, the type, the buttons.
HWND LayOut(HWND dialog, const OPENFILENAMEA& ofn) {
    constexpr int kClientWidth = 440;
    constexpr int kClientHeight = 130;
    const std::string folder = StartFolder(ofn).string();
    const std::vector<std::string> types = FilterDescriptions(ofn.lpstrFilter);
    const std::size_t typeIndex = ofn.nFilterIndex > 0 ? ofn.nFilterIndex - 1 : 0;
    const std::string type = typeIndex < types.size() ? types[typeIndex] : std::string();

    CreateControl("Static", "Save &in:", SS_LEFT, dialog, -1, RECT{12, 12, 96, 28});
    CreateControl("Static", folder.c_str(), SS_LEFT, dialog, -1, RECT{100, 12, 428, 28});
    CreateControl("Static", "File &name:", SS_LEFT, dialog, -1, RECT{12, 44, 96, 60});
    const HWND name =
        CreateControl("Edit", ofn.lpstrFile != nullptr ? ofn.lpstrFile : "",
                      ES_AUTOHSCROLL | WS_TABSTOP, dialog, IDC_FILE_NAME, RECT{100, 40, 340, 61});
    // Sunken, as the platform's dialogs make their boxes: with a client edge.
    SetWindowLongA(name, GWL_EXSTYLE, static_cast<LONG>(WS_EX_CLIENTEDGE));
    SetWindowPos(name, 0, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    CreateControl("Static", "Save as &type:", SS_LEFT, dialog, -1, RECT{12, 76, 96, 92});
    CreateControl("Static", type.c_str(), SS_LEFT, dialog, -1, RECT{100, 76, 340, 92});
    CreateControl("Button", "&Save", BS_DEFPUSHBUTTON | WS_TABSTOP, dialog, IDOK,
                  RECT{352, 39, 428, 62});
    CreateControl("Button", "Cancel", BS_PUSHBUTTON | WS_TABSTOP, dialog, IDCANCEL,
                  RECT{352, 71, 428, 94});
    PlaceDialog(dialog, ofn.hwndOwner, kClientWidth, kClientHeight);
    SendMessageA(name, EM_SETSEL, 0, -1);
    return name;
}

// Hands the chosen path back as the platform does: the full path, where its
// file name and extension start, and the file type chosen.
BOOL Return(OPENFILENAMEA& ofn, const fs::path& chosen) {
    const std::string path = chosen.string();
    if (ofn.lpstrFile == nullptr || path.size() + 1 > ofn.nMaxFile) {
        return FALSE;
    }
    path.copy(ofn.lpstrFile, path.size());
    ofn.lpstrFile[path.size()] = '\0';
    const std::string name = chosen.filename().string();
    ofn.nFileOffset = static_cast<std::uint16_t>(path.size() - name.size());
    const std::size_t dot = name.rfind('.');
    ofn.nFileExtension =
        static_cast<std::uint16_t>(dot == std::string::npos ? 0 : ofn.nFileOffset + dot + 1);
    if (ofn.nFilterIndex == 0 && ofn.lpstrFilter != nullptr) {
        ofn.nFilterIndex = 1;
    }
    return TRUE;
}

}  // namespace

}  // namespace zv::headless

namespace zv::win {

BOOL GetSaveFileNameA(OPENFILENAMEA* lpofn) {
    if (lpofn == nullptr || (lpofn->hwndOwner != 0 && !IsWindow(lpofn->hwndOwner))) {
        return FALSE;
    }
    OPENFILENAMEA& ofn = *lpofn;
    const HWND owner = ofn.hwndOwner != 0 ? headless::TopLevelOf(ofn.hwndOwner) : 0;
    const HWND dialog = headless::CreateDialogWindow(
        owner, ofn.lpstrTitle != nullptr ? ofn.lpstrTitle : "Save As", 0);
    if (dialog == 0) {
        return FALSE;
    }
    headless::SaveRun run;
    run.handle = [&run, &ofn](HWND hwnd, UINT message, WPARAM wParam, LPARAM) {
        return headless::HandleSave(run, ofn, hwnd, message, wParam);
    };
    run.firstFocus = headless::LayOut(dialog, ofn);
    const int result = headless::RunDialog(dialog, owner, false, run);
    return result == IDOK ? headless::Return(ofn, run.chosen) : FALSE;
}

}  // namespace zv::win
