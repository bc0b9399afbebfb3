// The windowing layer, in the program's own vocabulary: windows by number,
// controls by number inside them (controls and commands share one number
// space), menus, a toolbar, shortcut keys, and one queue of events. Every
// text crosses this boundary as Windows-1252 bytes.
//
// A text set by the program raises no event; only the user's edits do.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/picture.h"

namespace qm::platform {

struct Rect {
    int x = 0, y = 0, w = 0, h = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};
struct Point {
    int x = 0, y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};
struct Rgb {
    int r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};
struct FontSpec {
    std::string face;
    int points = 0;
    bool bold = false;
    bool italic = false;
};

enum class EventKind { Control, Command, Close };
enum class EventType { None, Click, DoubleClick, TextChanged, GotFocus, LostFocus };
struct Event {
    EventKind kind = EventKind::Command;
    int window = 0;
    int number = 0;
    EventType type = EventType::None;
    bool byProgram = false;  // a focus change the program made itself
};

enum class Align { Left, Right };
enum class StandardImage { FileNew, FileOpen, FileSave, Print, PrintPreview, Cut, Copy, Paste, Help };
enum class Key { Escape, F1, F2, F3, F4, F6, F8 };

struct MenuEntry {
    int number = 0;  // 0 with an empty text: a separator
    std::string text;
    bool checkable = false;
};
struct ToolEntry {
    int number = 0;  // 0: a separator
    StandardImage image = StandardImage::Help;
    std::string tooltip;
};

// Starts the window system (the application font pinned so the 20-pixel
// fields never clip). False when no display can be reached.
bool StartWindowing();
void StopWindowing();

// Opens a fixed-size window whose client area, menu bar included, is
// clientWidth x clientHeight, with its outer top-left corner at (x, y).
// With `closeBox` false the window has a title bar only. Returns the
// window's number (above 0), or 0 when it cannot be opened.
int OpenWindow(int x, int y, int clientWidth, int clientHeight, const std::string& title, bool closeBox,
               int owner = 0);
void CloseWindow(int window);
bool WindowExists(int window);
std::string WindowTitle(int window);
Point WindowPosition(int window);  // outer top-left corner on the screen
Point WindowOuterSize(int window);  // width and height with the frame
Rect ClientArea(int window);       // the area below the menu bar, in client coordinates

void AddMenu(int window, const std::string& title, const std::vector<MenuEntry>& entries);
bool MenuChecked(int window, int number);
void SetMenuChecked(int window, int number, bool checked);
void AddToolbar(int window, const std::vector<ToolEntry>& entries);
void AddShortcut(int window, Key key, int number);

// Controls, at positions in the area below the menu bar. Creation order is
// the Tab order among the controls that take the focus.
void AddTextField(int window, int id, Rect box, const std::string& text);
void AddLabel(int window, int id, Rect box, const std::string& text, Align align);
void AddButton(int window, int id, Rect box, const std::string& text);
void AddPictureBox(int window, int id, Rect box);
void AddDropDown(int window, int id, Rect box, const std::vector<std::string>& items, int selected);

// Selects the drop-down entry equal to `name` without regard to letter case;
// a name matching none leaves the selection, an empty name clears it.
void SelectDropDownEntry(int window, int id, const std::string& name);

// A list in report view: column headers, one whole row selected at a time,
// a double-click reported as an event of the list.
struct ListColumn {
    std::string title;
    int width = 0;
};
using ListRow = std::vector<std::string>;
void AddListView(int window, int id, Rect box, const std::vector<ListColumn>& columns);
void SetListRows(int window, int id, std::vector<ListRow> rows);
int ListRowCount(int window, int id);
int SelectedListRow(int window, int id);  // -1 when no row is selected

// A progress bar from 0 to `maximum`.
void AddProgressBar(int window, int id, Rect box, int maximum);
void SetProgress(int window, int id, int value);
int Progress(int window, int id);

// A text link: underlined, with a hand cursor; a click is reported as an
// event of the link.
void AddTextLink(int window, int id, Rect box, const std::string& text);

bool HasControl(int window, int id);
// A text field's or label's text, or the drop-down's shown entry.
std::string ControlText(int window, int id);
void SetControlText(int window, int id, const std::string& text);
void SetControlVisible(int window, int id, bool visible);
bool ControlVisible(int window, int id);
void SetControlFont(int window, int id, const FontSpec& font);
void SetControlColor(int window, int id, Rgb color);
// Shows a picture at its own size (nullptr: nothing).
void SetControlPicture(int window, int id, const Picture* picture);
// Bytes a text field refuses, typed or pasted. CR and LF are always refused.
void SetRefusedBytes(int window, int id, const std::string& bytes);

// The control that has the keyboard focus in the window, or -1.
int FocusedControl(int window);
bool IsTextField(int window, int id);
void FocusControl(int window, int id);

// The next event, waiting without a time limit.
Event WaitEvent();
// The next event if one is ready after handling what the window system has
// pending; false when there is none.
bool PollEvent(Event& event);

// Waits, keeping the windows drawn; user input meanwhile is not taken.
void Pause(int milliseconds);

std::string ClipboardText();  // empty when the clipboard holds no text
void SetClipboardText(const std::string& text);

}  // namespace qm::platform
