// The list view as hosts use it: columns and items by index and key, the
// texts each column shows, sorting, persistence; and in its window, what
// the user sees and does.

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "ErrorNumber.h"
#include "FormsFixture.h"
#include "MemoryDc.h"
#include "platform/driver/Driver.h"
#include "platform/forms/FormFile.h"
#include "platform/forms/ImageList.h"
#include "platform/forms/ListView.h"
#include "platform/forms/PropertyBag.h"
#include "platform/forms/Twips.h"
#include "platform/win/ListViewConstants.h"
#include "platform/win/MessagePump.h"
#include "platform/win/WinConstants.h"

namespace zv::test {
namespace {

using namespace zv::forms;

class ListViewTest : public FormsTest {
  protected:
    void SetUp() override {
        FormsTest::SetUp();
        view = form.Add<ListView>(L"lvwDevices");
        view->Move(120, 120, 6000, 3000);
    }

    // Four devices under three columns.
    void AddDevices() {
        view->ColumnHeaders().Add(0, L"name", L"Name");
        view->ColumnHeaders().Add(0, L"model", L"Model");
        view->ColumnHeaders().Add(0, L"address", L"Address");
        for (const auto& [name, model, address] :
             std::vector<std::array<const wchar_t*, 3>>{{L"Lobby", L"TP-7", L"10.0.0.7"},
                                                        {L"attic", L"CP-3", L"10.0.0.3"},
                                                        {L"Basement", L"TP-7", L"10.0.0.9"},
                                                        {L"Hall", L"DIN-1", L"10.0.0.1"}}) {
            const auto item = view->ListItems().Add(0, std::wstring(L"k") + name, name);
            item->SetSubItems(1, model);
            item->SetSubItems(2, address);
        }
    }

    std::vector<std::wstring> Texts(std::int32_t subItem = 0) const {
        std::vector<std::wstring> texts;
        for (const auto& item : view->ListItems()) {
            texts.push_back(subItem == 0 ? item->Text() : item->SubItems(subItem));
        }
        return texts;
    }

    void Show() {
        form.SetClientSize(6400, 3400);
        form.Show();
        LetPendingMessagesRun();
    }

    // What the window shows in a row and column.
    std::string WindowText(int row, int column) const {
        char text[64] = {};
        win::LVITEMA item;
        item.iSubItem = column;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        win::SendMessageA(view->hWnd(), win::LVM_GETITEMTEXTA, static_cast<win::WPARAM>(row),
                          reinterpret_cast<win::LPARAM>(&item));
        return text;
    }

    std::vector<std::string> WindowColumn(int column) const {
        std::vector<std::string> texts;
        const auto rows = win::SendMessageA(view->hWnd(), win::LVM_GETITEMCOUNT, 0, 0);
        for (int row = 0; row < rows; ++row) {
            texts.push_back(WindowText(row, column));
        }
        return texts;
    }

    // A point inside a row (or, for row -1, inside the header above the
    // first column), on the screen.
    win::POINT OnRow(int row) const {
        win::RECT bounds{};
        bounds.left = win::LVIR_BOUNDS;
        win::SendMessageA(view->hWnd(), win::LVM_GETITEMRECT,
                          static_cast<win::WPARAM>(row < 0 ? 0 : row),
                          reinterpret_cast<win::LPARAM>(&bounds));
        win::POINT point{bounds.left + 8, row < 0 ? 4 : (bounds.top + bounds.bottom) / 2};
        win::ClientToScreen(view->hWnd(), &point);
        return point;
    }

    Form form{L"frmList"};
    std::shared_ptr<ListView> view;
};

TEST_F(ListViewTest, ItemsAreFoundByIndexAndByKeyWhateverTheCase) {
    AddDevices();
    const auto hall = view->ListItems().Item(L"KHALL");
    EXPECT_EQ(hall->Index(), 4);
    const auto inserted = view->ListItems().Add(2, L"kFirst", L"Porch");
    EXPECT_EQ(inserted->Index(), 2);
    EXPECT_EQ(hall->Index(), 5);
    view->ListItems().Remove(L"klobby");
    EXPECT_EQ(inserted->Index(), 1);
    EXPECT_EQ(hall->Index(), 4);
    EXPECT_EQ(view->ListItems().Item(1), inserted);
    EXPECT_EQ(Texts(), (std::vector<std::wstring>{L"Porch", L"attic", L"Basement", L"Hall"}));
}

TEST_F(ListViewTest, BadIndexesAndKeysRaiseTheListErrors) {
    AddDevices();
    auto& items = view->ListItems();
    auto& columns = view->ColumnHeaders();
    const struct {
        const char* call;
        std::function<void()> run;
        std::int32_t error;
    } cases[] = {
        {"Item(0)", [&] { items.Item(0); }, 35600},
        {"Item(Count + 1)", [&] { items.Item(5); }, 35600},
        {"Add past the end", [&] { items.Add(6); }, 35600},
        {"Remove(-1)", [&] { items.Remove(-1); }, 35600},
        {"missing key", [&] { items.Item(L"kNowhere"); }, 35601},
        {"removing a missing key", [&] { columns.Remove(L"nowhere"); }, 35601},
        {"key used twice", [&] { items.Add(0, L"KLOBBY"); }, 35602},
        {"column key used twice", [&] { columns.Add(0, L"Name"); }, 35602},
        {"key that reads as a number", [&] { items.Add(0, L"42"); }, 35603},
        {"sub-item 0", [&] { items.Item(1)->SetSubItems(0, L"x"); }, 380},
        {"sub-item beyond the columns", [&] { items.Item(1)->SetSubItems(3, L"x"); }, 380},
        {"first column not left-aligned", [&] { columns.Item(1)->SetAlignment(1); }, 380},
        {"unknown alignment", [&] { columns.Item(2)->SetAlignment(3); }, 380},
        {"negative width", [&] { columns.Item(2)->SetWidth(-1); }, 380},
        {"column position 0", [&] { columns.Item(2)->SetPosition(0); }, 380},
        {"negative sort key", [&] { view->SetSortKey(-1); }, 380},
        {"unknown sort order", [&] { view->SetSortOrder(2); }, 380},
        {"another list's item selected", [&] { view->SetSelectedItem(nullptr); }, 35601},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.call);
        EXPECT_EQ(ErrorNumberOf(row.run), row.error);
    }
    EXPECT_EQ(items.Count(), 4);
    EXPECT_EQ(columns.Count(), 3);
}

TEST_F(ListViewTest, AColumnInsertedLaterShowsSubItemsOfItsOwn) {
    AddDevices();
    const auto room = view->ColumnHeaders().Add(2, L"room", L"Room");
    EXPECT_EQ(room->SubItemIndex(), 3);
    EXPECT_EQ(view->ColumnHeaders().Item(L"model")->Index(), 3);
    EXPECT_EQ(view->ColumnHeaders().Item(L"model")->SubItemIndex(), 1);
    EXPECT_EQ(room->Position(), 2);
    const auto lobby = view->ListItems().Item(1);
    lobby->SetSubItems(3, L"Ground floor");
    EXPECT_EQ(lobby->SubItems(1), L"TP-7");
    EXPECT_EQ(lobby->SubItems(3), L"Ground floor");
    EXPECT_EQ(lobby->GetListSubItems().Count(), 3);
    EXPECT_EQ(view->ListItems().Item(2)->SubItems(3), L"");
}

TEST_F(ListViewTest, SortingOrdersTheItemsByTheKeyColumnAsListsOrderTexts) {
    AddDevices();
    view->SetSorted(true);
    EXPECT_EQ(Texts(), (std::vector<std::wstring>{L"attic", L"Basement", L"Hall", L"Lobby"}));
    view->SetSortOrder(sort_order::kDescending);
    EXPECT_EQ(Texts(), (std::vector<std::wstring>{L"Lobby", L"Hall", L"Basement", L"attic"}));
    // Equal keys keep the order they had.
    view->SetSortKey(1);
    view->SetSortOrder(sort_order::kAscending);
    EXPECT_EQ(Texts(), (std::vector<std::wstring>{L"attic", L"Hall", L"Lobby", L"Basement"}));
    // A new item goes to its place, whatever index it is given: without a
    // model yet, before all models.
    const auto added = view->ListItems().Add(3, L"", L"Garage");
    EXPECT_EQ(added->Index(), 1);
    added->SetSubItems(1, L"CP-3");
    view->SetSorted(true);
    EXPECT_EQ(Texts(1), (std::vector<std::wstring>{L"CP-3", L"CP-3", L"DIN-1", L"TP-7", L"TP-7"}));
    // Unsorted, items go where they are put.
    view->SetSorted(false);
    EXPECT_EQ(view->ListItems().Add(1, L"", L"Zone")->Index(), 1);
}

TEST_F(ListViewTest, EntriesTakenOutOrOutlivingTheirListStandAlone) {
    AddDevices();
    const auto lobby = view->ListItems().Item(1);
    const auto model = view->ColumnHeaders().Item(L"model");
    view->ListItems().Remove(1);
    view->ColumnHeaders().Clear();
    EXPECT_EQ(lobby->Index(), 0);
    EXPECT_EQ(model->Index(), 0);
    EXPECT_EQ(ErrorNumberOf([&] { lobby->SetSubItems(1, L"x"); }), 380);
    lobby->SetText(L"Old lobby");
    lobby->SetSelected(true);
    EXPECT_TRUE(lobby->Selected());
    model->SetWidth(500);
    EXPECT_EQ(model->Width(), 500);
    const auto kept = view->ListItems().Item(1);
    form.Remove(*view);
    view.reset();
    kept->SetText(L"Still here");
    EXPECT_EQ(kept->Text(), L"Still here");
}

TEST_F(ListViewTest, PropertiesAndColumnsSurviveTheFormText) {
    AddDevices();
    view->ColumnHeaders().Item(3)->SetAlignment(column_align::kRight);
    view->ColumnHeaders().Item(3)->SetWidth(2000);
    view->ColumnHeaders().Item(2)->SetTag(L"model column");
    view->SetFullRowSelect(true);
    view->SetHideColumnHeaders(true);
    view->SetMultiSelect(true);
    view->SetHideSelection(false);
    view->SetSortKey(2);
    view->SetSortOrder(sort_order::kDescending);
    view->SetSorted(true);
    PropertyBag saved(L"Form", L"frmList");
    form.WriteTo(saved);

    Form other;
    other.ReadFrom(*ReadFormText(WriteFormText(saved)));
    auto* copy = &other.Get<ListView>(L"lvwDevices");
    EXPECT_TRUE(copy->FullRowSelect());
    EXPECT_TRUE(copy->HideColumnHeaders());
    EXPECT_TRUE(copy->MultiSelect());
    EXPECT_FALSE(copy->HideSelection());
    EXPECT_TRUE(copy->Sorted());
    EXPECT_EQ(copy->SortKey(), 2);
    EXPECT_EQ(copy->SortOrder(), sort_order::kDescending);
    ASSERT_EQ(copy->ColumnHeaders().Count(), 3);
    const auto address = copy->ColumnHeaders().Item(L"ADDRESS");
    EXPECT_EQ(address->Text(), L"Address");
    EXPECT_EQ(address->Alignment(), column_align::kRight);
    EXPECT_EQ(address->Width(), 2000);
    EXPECT_EQ(copy->ColumnHeaders().Item(2)->Tag(), L"model column");
    EXPECT_EQ(copy->ListItems().Count(), 0);
}

TEST_F(ListViewTest, TheWindowShowsWhatEachColumnShowsInTheItemsOrder) {
    AddDevices();
    Show();
    EXPECT_EQ(WindowColumn(0), (std::vector<std::string>{"Lobby", "attic", "Basement", "Hall"}));
    EXPECT_EQ(WindowColumn(2),
              (std::vector<std::string>{"10.0.0.7", "10.0.0.3", "10.0.0.9", "10.0.0.1"}));
    // A column put in the middle shows its own sub-items; those beside it
    // keep theirs.
    view->ColumnHeaders().Add(2, L"room", L"Room");
    view->ListItems().Item(1)->SetSubItems(3, L"Ground floor");
    EXPECT_EQ(WindowColumn(1), (std::vector<std::string>{"Ground floor", "", "", ""}));
    EXPECT_EQ(WindowColumn(2), (std::vector<std::string>{"TP-7", "CP-3", "TP-7", "DIN-1"}));
    view->ColumnHeaders().Remove(L"model");
    EXPECT_EQ(WindowColumn(2),
              (std::vector<std::string>{"10.0.0.7", "10.0.0.3", "10.0.0.9", "10.0.0.1"}));
    // Sorting puts the rows in the items' new order; taking items out takes
    // their rows.
    view->SetSortOrder(sort_order::kDescending);
    view->SetSorted(true);
    EXPECT_EQ(WindowColumn(0), (std::vector<std::string>{"Lobby", "Hall", "Basement", "attic"}));
    view->ListItems().Remove(L"kHall");
    view->ListItems().Item(1)->SetText(L"Foyer");
    EXPECT_EQ(WindowColumn(0), (std::vector<std::string>{"Foyer", "Basement", "attic"}));
    EXPECT_EQ(
        TwipsX(static_cast<int>(win::SendMessageA(view->hWnd(), win::LVM_GETCOLUMNWIDTH, 0, 0))),
        view->ColumnHeaders().Item(1)->Width());
    view->ListItems().Clear();
    EXPECT_EQ(win::SendMessageA(view->hWnd(), win::LVM_GETITEMCOUNT, 0, 0), 0);
}

TEST_F(ListViewTest, TheUserChoosesItemsWithTheMouseAndTheKeys) {
    ZV_REQUIRES_HEADLESS("the scripted user");
    AddDevices();
    view->SetFullRowSelect(true);
    Show();
    std::vector<std::wstring> events;
    view->ItemClick.Connect([&](const std::shared_ptr<ListItem>& item) {
        events.push_back(L"ItemClick " + item->Text());
    });
    view->Click.Connect([&] { events.push_back(L"Click"); });
    view->DblClick.Connect([&] { events.push_back(L"DblClick"); });
    view->ColumnClick.Connect([&](const std::shared_ptr<ColumnHeader>& column) {
        events.push_back(L"ColumnClick " + column->Text());
        view->SetSortKey(static_cast<std::int16_t>(column->SubItemIndex()));
        view->SetSorted(true);
    });

    const win::POINT second = OnRow(1);
    driver::Click(second.x, second.y);
    EXPECT_EQ(view->SelectedItem(), view->ListItems().Item(2));
    driver::PressKey(win::VK_DOWN);
    driver::ReleaseKey(win::VK_DOWN);
    EXPECT_EQ(view->SelectedItem(), view->ListItems().Item(3));
    EXPECT_FALSE(view->ListItems().Item(2)->Selected());
    const win::POINT header = OnRow(-1);
    driver::Click(header.x, header.y);
    EXPECT_EQ(Texts(), (std::vector<std::wstring>{L"attic", L"Basement", L"Hall", L"Lobby"}));
    EXPECT_EQ(events, (std::vector<std::wstring>{L"ItemClick attic", L"Click",
                                                 L"ItemClick Basement", L"ColumnClick Name"}));

    // The hit test and the selection agree with what the window shows.
    win::POINT first = OnRow(0);
    win::ScreenToClient(view->hWnd(), &first);
    EXPECT_EQ(
        view->HitTest(static_cast<float>(TwipsX(first.x)), static_cast<float>(TwipsY(first.y))),
        view->ListItems().Item(1));
    EXPECT_EQ(view->HitTest(0, static_cast<float>(view->Height() - 30)), nullptr);
    view->SetSelectedItem(view->ListItems().Item(L"kHall"));
    EXPECT_EQ(WindowText(static_cast<int>(win::SendMessageA(view->hWnd(), win::LVM_GETNEXTITEM,
                                                            static_cast<win::WPARAM>(-1),
                                                            win::LVNI_SELECTED)),
                         0),
              "Hall");
}

TEST_F(ListViewTest, ItemsShowTheSmallIconTheyNameByIndexOrKey) {
    const auto images = form.Add<ImageList>(L"imlTypes");
    for (const wchar_t* key : {L"panel", L"processor"}) {
        MemoryDc picture(16, 16, kRed);
        images->Images().Add(key,
                             std::make_shared<zv::Picture>(PictureType::Bitmap, picture.Release()));
    }
    AddDevices();
    view->SetSmallIcons(images);
    view->ListItems().Item(1)->SetSmallIcon(Variant(L"PROCESSOR"));
    view->ListItems().Item(2)->SetSmallIcon(Variant(std::int32_t{1}));
    view->ListItems().Item(3)->SetSmallIcon(Variant(L"missing"));

    // Kept in the form file by name, and found again when the form loads.
    PropertyBag saved(L"Form", L"frmList");
    form.WriteTo(saved);
    Form other;
    other.ReadFrom(*ReadFormText(WriteFormText(saved)));
    auto& copy = other.Get<ListView>(L"lvwDevices");
    EXPECT_EQ(copy.SmallIcons(), nullptr);
    other.Show();
    EXPECT_EQ(copy.SmallIcons().get(), &other.Get<ImageList>(L"imlTypes"));

    Show();
    view->ListItems().Add(0, L"", L"Porch", Variant(L"panel"));
    std::vector<int> shown;
    for (int row = 0; row < 5; ++row) {
        win::LVITEMA item;
        item.mask = win::LVIF_IMAGE;
        item.iItem = row;
        win::SendMessageA(view->hWnd(), win::LVM_GETITEMA, 0, reinterpret_cast<win::LPARAM>(&item));
        shown.push_back(item.iImage);
    }
    EXPECT_EQ(shown, (std::vector<int>{1, 0, win::I_IMAGENONE, win::I_IMAGENONE, 0}));
}

}  // namespace
}  // namespace zv::test
