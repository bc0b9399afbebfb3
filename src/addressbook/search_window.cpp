#include "addressbook/search_window.h"

#include "addressbook/address_book.h"
#include "addressbook/book_format.h"
#include "platform/window.h"

namespace qm {

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 340;
constexpr int kPickPauseMs = 200;

// Centred over the owner; a negative coordinate becomes 0.
platform::Point CentredOver(int owner) {
    const platform::Point position = platform::WindowPosition(owner);
    const platform::Point outer = platform::WindowOuterSize(owner);
    const platform::Rect area = platform::ClientArea(owner);
    const int frameW = outer.x - area.w, frameH = outer.y - (area.y + area.h);
    int x = position.x + (outer.x - (kWidth + frameW)) / 2;
    int y = position.y + (outer.y - (kHeight + frameH)) / 2;
    return {x < 0 ? 0 : x, y < 0 ? 0 : y};
}

void Pick(int window, int64_t number, AddresseeFormAccess& form) {
    platform::Pause(kPickPauseMs);  // the row stays highlighted a moment
    platform::CloseWindow(window);
    RecordStore& store = Store();
    if (number < 0 || static_cast<size_t>(number) >= store.entries.size()) return;  // a hand-edited book
    const AddresseeRecord& entry = store.entries[static_cast<size_t>(number)];
    form.Fill({std::string(entry.Get(AddresseeRecord::Name)), std::string(entry.Get(AddresseeRecord::Street)),
               std::string(entry.Get(AddresseeRecord::Suite)), std::string(entry.Get(AddresseeRecord::City)),
               std::string(entry.Get(AddresseeRecord::State)), std::string(entry.Get(AddresseeRecord::Zip))});
    store.CurrentRecord = static_cast<int32_t>(RecordNumberValue(entry.Get(AddresseeRecord::RecordNumber)));
    store.NewEntryFlag = false;
}

bool Listed(const AddresseeRecord& entry, const std::string& filter) {
    const std::string_view name = entry.Get(AddresseeRecord::Name);
    const bool begins = filter.empty() || (name.size() >= filter.size() && name.substr(0, filter.size()) == filter);
    return begins && entry.Get(AddresseeRecord::ListFlag) == "1" && !name.empty();
}

}  // namespace

std::vector<int64_t> SearchRows(const std::string& filter) {
    std::vector<int64_t> rows;
    for (const AddresseeRecord& entry : Store().entries) {
        if (Listed(entry, filter)) rows.push_back(RecordNumberValue(entry.Get(AddresseeRecord::RecordNumber)));
    }
    return rows;
}

void OpenSearchWindow(int owner, AddresseeFormAccess& form) {
    form.ClearHint();
    ReloadAddressBook();
    const platform::Point at = CentredOver(owner);
    const int window = platform::OpenWindow(at.x, at.y, kWidth, kHeight, "Get Addressee", false, owner);
    if (!window) return;
    const std::string filter = form.Read().Name;

    platform::AddListView(window, SearchList, {10, 5, 620, 280},
                          {{"Name", 185}, {"Address", 190}, {"City", 120}, {"State", 40}, {"Zip", 78}});
    // RowMap: the record number shown in each row.
    std::vector<int64_t> rowMap;
    std::vector<platform::ListRow> rows;
    for (const AddresseeRecord& entry : Store().entries) {
        if (!Listed(entry, filter)) continue;
        rows.push_back({std::string(entry.Get(AddresseeRecord::Name)), std::string(entry.Get(AddresseeRecord::Street)),
                        std::string(entry.Get(AddresseeRecord::City)), std::string(entry.Get(AddresseeRecord::State)),
                        std::string(entry.Get(AddresseeRecord::Zip))});
        rowMap.push_back(RecordNumberValue(entry.Get(AddresseeRecord::RecordNumber)));
    }
    platform::SetListRows(window, SearchList, std::move(rows));
    platform::AddButton(window, SearchCancelButton, {520, 300, 50, 30}, "Cancel");
    platform::AddButton(window, SearchSelectButton, {580, 300, 50, 30}, "Select");
    platform::AddLabel(window, SearchHintLine1, {10, 288, 400, 18},
                       "You can Left Double Click any name to auto select -or- you can", platform::Align::Left);
    platform::AddLabel(window, SearchHintLine2, {10, 305, 400, 18},
                       "highlight a name and click SELECT to return that name and address for printing",
                       platform::Align::Left);
    platform::AddLabel(window, SearchHintLine3, {10, 322, 400, 18},
                       "To exit without selecting a name and address click CANCEL", platform::Align::Left);

    for (;;) {
        const platform::Event e = platform::WaitEvent();
        if (!platform::WindowExists(window)) return;
        if (e.window != window || e.kind != platform::EventKind::Control) continue;  // dropped
        if (e.number == SearchCancelButton && e.type == platform::EventType::Click) {
            Store().CurrentRecord = -1;
            platform::CloseWindow(window);
            return;
        }
        const bool select = e.number == SearchSelectButton && e.type == platform::EventType::Click;
        const bool doubleClick = e.number == SearchList && e.type == platform::EventType::DoubleClick;
        const int row = platform::SelectedListRow(window, SearchList);
        if ((select || doubleClick) && row >= 0) {
            Pick(window, rowMap[static_cast<size_t>(row)], form);
            return;
        }
    }
}

}  // namespace qm
