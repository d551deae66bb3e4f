// Devices: a report list of the devices of a system, with an icon for each
// kind, sorted by the column whose header the scripted user clicks, and a
// progress bar for an upload under way, left as a picture (devices.png).

#include <string>

#include "DemoPictures.h"
#include "Scenes.h"
#include "platform/automation/AutomationError.h"
#include "platform/driver/Driver.h"
#include "platform/forms/Form.h"
#include "platform/forms/ImageList.h"
#include "platform/forms/Label.h"
#include "platform/forms/ListView.h"
#include "platform/forms/ProgressBar.h"
#include "platform/win/GdiApi.h"
#include "platform/win/GdiConstants.h"
#include "platform/win/HeaderConstants.h"
#include "platform/win/ListViewConstants.h"
#include "platform/win/MessagePump.h"

namespace zvdemo {

namespace {

using namespace zv::forms;
using namespace zv::win;

// A 16 by 16 picture on the image list's mask colour (silver): a body in
// one colour with a window of another.
std::shared_ptr<zv::Picture> DeviceIcon(COLORREF body, COLORREF window, RECT windowArea) {
    return FilledPicture(16, 16,
                         {{RECT{0, 0, 16, 16}, RGB(192, 192, 192)},
                          {RECT{1, 3, 15, 13}, body},
                          {windowArea, window}});
}

struct Device {
    const wchar_t* name;
    const wchar_t* kind;
    const wchar_t* address;
    const wchar_t* firmware;
};

constexpr Device kDevices[] = {
    {L"Lobby panel", L"panel", L"10.0.0.21", L"2.4.1"},
    {L"Main processor", L"processor", L"10.0.0.2", L"5.1.0"},
    {L"Boardroom keypad", L"keypad", L"10.0.0.34", L"1.9.7"},
    {L"Attic processor", L"processor", L"10.0.0.3", L"5.0.2"},
    {L"Kitchen panel", L"panel", L"10.0.0.22", L"2.4.1"},
};

void BuildDevices(Form& form) {
    form.SetCaption(L"Devices");
    form.SetClientSize(7800, 3600);
    form.Font()->SetName(L"Tahoma");

    auto icons = form.Add<ImageList>(L"imlKinds");
    icons->Images().Add(L"panel",
                        DeviceIcon(RGB(40, 40, 48), RGB(60, 120, 220), RECT{3, 5, 13, 11}));
    icons->Images().Add(L"processor",
                        DeviceIcon(RGB(90, 90, 96), RGB(40, 220, 80), RECT{3, 6, 6, 8}));
    icons->Images().Add(L"keypad",
                        DeviceIcon(RGB(230, 230, 230), RGB(40, 40, 48), RECT{4, 5, 12, 11}));

    auto list = form.Add<ListView>(L"lvwDevices");
    list->Move(120, 120, 7560, 2520);
    list->SetFullRowSelect(true);
    list->SetSmallIcons(icons);
    list->ColumnHeaders().Add(0, L"name", L"Name", 2400);
    list->ColumnHeaders().Add(0, L"kind", L"Kind", 1500);
    list->ColumnHeaders().Add(0, L"address", L"Address", 1800);
    list->ColumnHeaders().Add(0, L"firmware", L"Firmware", 1500, column_align::kRight);
    for (const Device& device : kDevices) {
        const auto item = list->ListItems().Add(0, {}, device.name, zv::Variant(device.kind));
        item->SetSubItems(1, device.kind);
        item->SetSubItems(2, device.address);
        item->SetSubItems(3, device.firmware);
    }
    // A click on a header sorts by its column, a second one the other way.
    list->ColumnClick.Connect([list = list.get()](const std::shared_ptr<ColumnHeader>& column) {
        const auto key = static_cast<std::int16_t>(column->SubItemIndex());
        const bool again = list->Sorted() && list->SortKey() == key;
        list->SetSortKey(key);
        list->SetSortOrder(again && list->SortOrder() == sort_order::kAscending
                               ? sort_order::kDescending
                               : sort_order::kAscending);
        list->SetSorted(true);
    });

    auto caption = form.Add<Label>(L"lblUpload");
    caption->Move(120, 2790, 3000, 255);
    caption->SetCaption(L"Uploading to Lobby panel...");
    auto progress = form.Add<ProgressBar>(L"prgUpload");
    progress->Move(120, 3090, 7560, 300);
    progress->SetValue(60);
}

// Clicks the middle of a column's header, as a person sorts a list.
void ClickHeader(const ListView& list, int column) {
    const auto header = static_cast<HWND>(SendMessageA(list.hWnd(), LVM_GETHEADER, 0, 0));
    RECT area{};
    SendMessageA(header, HDM_GETITEMRECT, static_cast<WPARAM>(column),
                 reinterpret_cast<LPARAM>(&area));
    POINT middle{(area.left + area.right) / 2, (area.top + area.bottom) / 2};
    ClientToScreen(header, &middle);
    zv::driver::Click(middle.x, middle.y);
}

std::wstring Names(const ListView& list) {
    std::wstring names;
    for (const auto& item : list.ListItems()) {
        names += (names.empty() ? L"" : L", ") + item->Text();
    }
    return names;
}

}  // namespace

void RunDevicesScene(SceneLog& log) {
    zv::driver::ResetWindowSystem();
    try {
        Form devices(L"frmDevices");
        BuildDevices(devices);
        devices.Show();
        zv::LetPendingMessagesRun();
        const auto& list = devices.Get<ListView>(L"lvwDevices");
        log.Value(L"As added", Names(list));
        log.Line(L"The scripted user clicks the Address header, then the Kind header twice:");
        ClickHeader(list, 2);
        log.Value(L"By address", Names(list));
        ClickHeader(list, 1);
        zv::driver::AdvanceClock(1000);  // two clicks, not a double click
        ClickHeader(list, 1);
        log.Value(L"By kind, descending", Names(list));
        zv::LetPendingMessagesRun();
        const auto picture = log.Folder() / "devices.png";
        const bool written = zv::driver::SnapshotWindow(devices.hWnd(), picture.string());
        log.Value(L"Snapshot",
                  written ? L"devices.png written" : L"devices.png could not be written");
    } catch (const zv::AutomationError& error) {
        log.Value(L"Error", std::to_wstring(error.Number()) + L" " + error.Description());
    }
}

}  // namespace zvdemo
