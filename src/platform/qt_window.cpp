// The windowing layer on Qt Widgets.
#include <QAction>
#include <QAbstractTableModel>
#include <QApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QTreeView>
#include <QClipboard>
#include <QComboBox>
#include <QFocusEvent>
#include <QFontDatabase>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QPixmap>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QToolBar>
#include <QValidator>
#include <cstdlib>
#include <unistd.h>
#include <deque>
#include <map>
#include <memory>

#include "platform/qt_access.h"
#include "platform/qt_text.h"
#include "platform/window.h"

static void InitResources() { Q_INIT_RESOURCE(quillmark_icons); }

namespace qm::platform {

namespace {

std::deque<Event> g_events;
std::unique_ptr<QApplication> g_app;
int g_argc = 1;
char g_argv0[] = "quillmark";
char* g_argv[] = {g_argv0, nullptr};

void Post(EventKind kind, int window, int number, EventType type = EventType::None, bool byProgram = false) {
    g_events.push_back({kind, window, number, type, byProgram});
}

// The top-level widget: a close request becomes an event; the program
// decides whether the window closes.
class TopLevel final : public QWidget {
public:
    TopLevel(int number, QWidget* owner) : QWidget(owner, Qt::Window), number_(number) {}

protected:
    void closeEvent(QCloseEvent* event) override {
        event->ignore();
        Post(EventKind::Close, number_, 0);
    }

private:
    int number_;
};

// Reports focus changes and double-clicks of one control as events. Focus
// moves into a menu popup are not focus changes of the program's.
class ControlWatcher final : public QObject {
public:
    ControlWatcher(int window, int id, QObject* parent) : QObject(parent), window_(window), id_(id) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::FocusIn:
            case QEvent::FocusOut:
                if (const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
                    reason != Qt::PopupFocusReason) {
                    Post(EventKind::Control, window_, id_,
                         event->type() == QEvent::FocusIn ? EventType::GotFocus : EventType::LostFocus,
                         reason == Qt::OtherFocusReason);
                }
                break;
            case QEvent::MouseButtonDblClick: Post(EventKind::Control, window_, id_, EventType::DoubleClick); break;
            default: break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    int window_, id_;
};

// A label that reports a click, for text links.
class LinkLabel final : public QLabel {
public:
    LinkLabel(const QString& text, int window, int id, QWidget* parent)
        : QLabel(text, parent), window_(window), id_(id) {}

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
            Post(EventKind::Control, window_, id_, EventType::Click);
        }
        QLabel::mouseReleaseEvent(event);
    }

private:
    int window_, id_;
};

// Refuses edits that would bring in one of the given characters.
class RefusingValidator final : public QValidator {
public:
    RefusingValidator(QString refused, QObject* parent) : QValidator(parent), refused_(std::move(refused)) {}
    State validate(QString& input, int&) const override {
        for (QChar c : input) {
            if (refused_.contains(c)) return Invalid;
        }
        return Acceptable;
    }

private:
    QString refused_;
};

// The rows of a list view, converted to Qt text only when shown.
class ListModel final : public QAbstractTableModel {
public:
    ListModel(std::vector<ListColumn> columns, QObject* parent)
        : QAbstractTableModel(parent), columns_(std::move(columns)) {}
    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : static_cast<int>(rows_.size());
    }
    int columnCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : static_cast<int>(columns_.size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole || !index.isValid()) return {};
        const ListRow& row = rows_[static_cast<size_t>(index.row())];
        const auto column = static_cast<size_t>(index.column());
        return column < row.size() ? ToQt(row[column]) : QString();
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
        return ToQt(columns_[static_cast<size_t>(section)].title);
    }
    void SetRows(std::vector<ListRow> rows) {
        beginResetModel();
        rows_ = std::move(rows);
        endResetModel();
    }

private:
    std::vector<ListColumn> columns_;
    std::vector<ListRow> rows_;
};

struct Window {
    QPointer<TopLevel> top;
    int owner = 0;
    QMenuBar* menuBar = nullptr;
    QWidget* area = nullptr;  // everything below the menu bar
    QToolBar* toolbar = nullptr;
    std::map<int, QWidget*> controls;
    std::map<int, QAction*> menuActions;
};

std::map<int, Window> g_windows;
int g_nextWindow = 1;

Window* Find(int window) {
    auto it = g_windows.find(window);
    return it == g_windows.end() || !it->second.top ? nullptr : &it->second;
}

template <typename T = QWidget>
T* Control(int window, int id) {
    Window* w = Find(window);
    if (!w) return nullptr;
    auto it = w->controls.find(id);
    return it == w->controls.end() ? nullptr : qobject_cast<T*>(it->second);
}

void Place(int window, int id, QWidget* widget, Rect box) {
    Window* w = Find(window);
    widget->setGeometry(box.x, box.y, box.w, box.h);
    widget->installEventFilter(new ControlWatcher(window, id, widget));
    widget->show();
    w->controls[id] = widget;
}

const char* ThemeName(StandardImage image) {
    switch (image) {
        case StandardImage::FileNew: return "document-new";
        case StandardImage::FileOpen: return "document-open";
        case StandardImage::FileSave: return "document-save";
        case StandardImage::Print: return "document-print";
        case StandardImage::PrintPreview: return "document-print-preview";
        case StandardImage::Cut: return "edit-cut";
        case StandardImage::Copy: return "edit-copy";
        case StandardImage::Paste: return "edit-paste";
        case StandardImage::Help: return "help-contents";
    }
    return "help-contents";
}

QString PreferredFamily() {
    const QStringList families = QFontDatabase::families();
    for (const char* name : {"Liberation Sans", "DejaVu Sans"}) {
        if (families.contains(name)) return name;
    }
    return QString();
}

}  // namespace

bool StartWindowing() {
    if (g_app) return true;
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    const bool hasX = std::getenv("DISPLAY") && *std::getenv("DISPLAY");
    const bool hasWayland = std::getenv("WAYLAND_DISPLAY") && *std::getenv("WAYLAND_DISPLAY");
    if (!platform || !*platform) {
        if (!hasX && !hasWayland) return false;  // Qt would abort without a display
        // A Wayland session cannot place windows; XWayland can.
        if (hasWayland && hasX) ::setenv("QT_QPA_PLATFORM", "xcb", 1);
    }
    g_app = std::make_unique<QApplication>(g_argc, g_argv);
    InitResources();
    QString family = PreferredFamily();
    if (!family.isEmpty()) QApplication::setFont(QFont(family, 8));
    return true;
}

void StopWindowing() {
    for (auto& [number, w] : g_windows) delete w.top.data();
    g_windows.clear();
    g_events.clear();
    g_app.reset();
}

int OpenWindow(int x, int y, int clientWidth, int clientHeight, const std::string& title, bool closeBox, int owner) {
    if (!g_app) return 0;
    Window* ownerWindow = owner ? Find(owner) : nullptr;
    const int number = g_nextWindow++;
    auto* top = new TopLevel(number, ownerWindow ? ownerWindow->top.data() : nullptr);
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint;
    if (closeBox) flags |= Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint;
    top->setWindowFlags(flags);
    if (ownerWindow) top->setWindowModality(Qt::ApplicationModal);
    top->setWindowTitle(ToQt(title));
    top->setFixedSize(clientWidth, clientHeight);
    top->move(x, y);
    Window& w = g_windows[number];
    w.top = top;
    w.owner = ownerWindow ? owner : 0;
    w.area = new QWidget(top);
    w.area->setGeometry(0, 0, clientWidth, clientHeight);
    top->show();
    top->raise();
    top->activateWindow();
    return number;
}

void CloseWindow(int window) {
    auto it = g_windows.find(window);
    if (it == g_windows.end()) return;
    const int owner = it->second.owner;
    delete it->second.top.data();
    g_windows.erase(it);
    // As on the desktop, the owner becomes the active window again.
    if (Window* o = owner ? Find(owner) : nullptr) {
        o->top->raise();
        o->top->activateWindow();
        QApplication::processEvents();
    }
    // Events already queued for the closed window go with it.
    std::erase_if(g_events, [window](const Event& e) { return e.window == window; });
}

bool WindowExists(int window) { return Find(window) != nullptr; }

std::string WindowTitle(int window) {
    Window* w = Find(window);
    return w ? FromQt(w->top->windowTitle()) : std::string();
}

Point WindowPosition(int window) {
    Window* w = Find(window);
    if (!w) return {};
    QPoint p = w->top->pos();
    return {p.x(), p.y()};
}

Point WindowOuterSize(int window) {
    Window* w = Find(window);
    if (!w) return {};
    QRect frame = w->top->frameGeometry();
    return {frame.width(), frame.height()};
}

Rect ClientArea(int window) {
    Window* w = Find(window);
    if (!w) return {};
    QRect r = w->area->geometry();
    return {r.x(), r.y(), r.width(), r.height()};
}

void AddMenu(int window, const std::string& title, const std::vector<MenuEntry>& entries) {
    Window* w = Find(window);
    if (!w) return;
    if (!w->menuBar) {
        w->menuBar = new QMenuBar(w->top);
        w->menuBar->setNativeMenuBar(false);
        w->menuBar->show();
    }
    QMenu* menu = w->menuBar->addMenu(ToQt(title));
    for (const MenuEntry& e : entries) {
        if (e.number == 0 && e.text.empty()) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(ToQt(e.text));
        action->setCheckable(e.checkable);
        const int number = e.number;
        // Qt flips a check mark when the item is chosen; here the program
        // alone sets it, so the flip is undone before the command is posted.
        QObject::connect(action, &QAction::triggered, [window, number, action](bool checked) {
            if (action->isCheckable()) action->setChecked(!checked);
            Post(EventKind::Command, window, number);
        });
        w->menuActions[number] = action;
    }
    // The menu bar takes its height from the client area.
    const int height = w->menuBar->sizeHint().height();
    w->menuBar->setGeometry(0, 0, w->top->width(), height);
    w->area->setGeometry(0, height, w->top->width(), w->top->height() - height);
}

bool MenuChecked(int window, int number) {
    Window* w = Find(window);
    if (!w || !w->menuActions.count(number)) return false;
    return w->menuActions[number]->isChecked();
}

void SetMenuChecked(int window, int number, bool checked) {
    Window* w = Find(window);
    if (w && w->menuActions.count(number)) w->menuActions[number]->setChecked(checked);
}

void AddToolbar(int window, const std::vector<ToolEntry>& entries) {
    Window* w = Find(window);
    if (!w) return;
    w->toolbar = new QToolBar(w->area);
    w->toolbar->setMovable(false);
    w->toolbar->setFloatable(false);
    w->toolbar->setIconSize(QSize(16, 16));
    w->toolbar->setFocusPolicy(Qt::NoFocus);
    for (const ToolEntry& e : entries) {
        if (e.number == 0) {
            w->toolbar->addSeparator();
            continue;
        }
        const char* name = ThemeName(e.image);
        QIcon icon = QIcon::fromTheme(name, QIcon(QString(":/icons/%1.png").arg(name)));
        QAction* action = w->toolbar->addAction(icon, ToQt(e.tooltip));
        action->setToolTip(ToQt(e.tooltip));
        const int number = e.number;
        QObject::connect(action, &QAction::triggered, [window, number] { Post(EventKind::Command, window, number); });
    }
    for (QWidget* child : w->toolbar->findChildren<QWidget*>()) child->setFocusPolicy(Qt::NoFocus);
    // Controls start at y = 32: the toolbar stays above them.
    w->toolbar->setGeometry(0, 0, w->area->width(), 30);
    w->toolbar->show();
}

void AddShortcut(int window, Key key, int number) {
    Window* w = Find(window);
    if (!w) return;
    static const std::map<Key, Qt::Key> keys = {{Key::Escape, Qt::Key_Escape}, {Key::F1, Qt::Key_F1},
                                                {Key::F2, Qt::Key_F2},         {Key::F3, Qt::Key_F3},
                                                {Key::F4, Qt::Key_F4},         {Key::F6, Qt::Key_F6},
                                                {Key::F8, Qt::Key_F8}};
    auto* shortcut = new QShortcut(QKeySequence(keys.at(key)), w->top, nullptr, nullptr, Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, [window, number] { Post(EventKind::Command, window, number); });
}

void AddTextField(int window, int id, Rect box, const std::string& text) {
    Window* w = Find(window);
    if (!w) return;
    auto* edit = new QLineEdit(ToQt(text), w->area);
    edit->setValidator(new RefusingValidator(QStringLiteral("\r\n"), edit));
    QObject::connect(edit, &QLineEdit::textEdited,
                     [window, id] { Post(EventKind::Control, window, id, EventType::TextChanged); });
    Place(window, id, edit, box);
}

void AddLabel(int window, int id, Rect box, const std::string& text, Align align) {
    Window* w = Find(window);
    if (!w) return;
    auto* label = new QLabel(ToQt(text), w->area);
    label->setWordWrap(true);
    label->setAlignment((align == Align::Right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
    Place(window, id, label, box);
}

void AddButton(int window, int id, Rect box, const std::string& text) {
    Window* w = Find(window);
    if (!w) return;
    auto* button = new QPushButton(ToQt(text), w->area);
    button->setFocusPolicy(Qt::StrongFocus);
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked,
                     [window, id] { Post(EventKind::Control, window, id, EventType::Click); });
    Place(window, id, button, box);
}

void AddPictureBox(int window, int id, Rect box) {
    Window* w = Find(window);
    if (!w) return;
    auto* label = new QLabel(w->area);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Place(window, id, label, box);
}

void AddDropDown(int window, int id, Rect box, const std::vector<std::string>& items, int selected) {
    Window* w = Find(window);
    if (!w) return;
    auto* combo = new QComboBox(w->area);
    combo->setEditable(false);
    for (const std::string& item : items) combo->addItem(ToQt(item));
    combo->setCurrentIndex(items.empty() ? -1 : selected);
    Place(window, id, combo, box);
}

void SelectDropDownEntry(int window, int id, const std::string& name) {
    auto* combo = Control<QComboBox>(window, id);
    if (!combo) return;
    if (name.empty()) {
        combo->setCurrentIndex(-1);
        return;
    }
    const int found = combo->findText(ToQt(name), Qt::MatchFixedString);  // fixed string: case-insensitive
    if (found >= 0) combo->setCurrentIndex(found);
}

void AddListView(int window, int id, Rect box, const std::vector<ListColumn>& columns) {
    Window* w = Find(window);
    if (!w) return;
    auto* view = new QTreeView(w->area);
    auto* model = new ListModel(columns, view);
    view->setModel(model);
    view->setRootIsDecorated(false);
    view->setItemsExpandable(false);
    view->setUniformRowHeights(true);
    view->setAllColumnsShowFocus(true);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->header()->setStretchLastSection(false);
    view->header()->setSectionsMovable(false);
    for (size_t i = 0; i < columns.size(); ++i) view->setColumnWidth(static_cast<int>(i), columns[i].width);
    QObject::connect(view, &QTreeView::doubleClicked,
                     [window, id] { Post(EventKind::Control, window, id, EventType::DoubleClick); });
    Place(window, id, view, box);
}

void SetListRows(int window, int id, std::vector<ListRow> rows) {
    if (auto* view = Control<QTreeView>(window, id)) static_cast<ListModel*>(view->model())->SetRows(std::move(rows));
}

int ListRowCount(int window, int id) {
    auto* view = Control<QTreeView>(window, id);
    return view ? view->model()->rowCount() : 0;
}

int SelectedListRow(int window, int id) {
    auto* view = Control<QTreeView>(window, id);
    if (!view) return -1;
    const QModelIndexList rows = view->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.front().row();
}

void AddProgressBar(int window, int id, Rect box, int maximum) {
    Window* w = Find(window);
    if (!w) return;
    auto* bar = new QProgressBar(w->area);
    bar->setRange(0, maximum);
    bar->setValue(0);
    Place(window, id, bar, box);
}

void SetProgress(int window, int id, int value) {
    if (auto* bar = Control<QProgressBar>(window, id)) bar->setValue(value);
}

int Progress(int window, int id) {
    auto* bar = Control<QProgressBar>(window, id);
    return bar ? bar->value() : 0;
}

void AddTextLink(int window, int id, Rect box, const std::string& text) {
    Window* w = Find(window);
    if (!w) return;
    auto* link = new LinkLabel(ToQt(text), window, id, w->area);
    QFont font = link->font();
    font.setUnderline(true);
    link->setFont(font);
    QPalette palette = link->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    link->setPalette(palette);
    link->setCursor(Qt::PointingHandCursor);
    Place(window, id, link, box);
}

bool HasControl(int window, int id) { return Control(window, id) != nullptr; }

std::string ControlText(int window, int id) {
    if (auto* edit = Control<QLineEdit>(window, id)) return FromQt(edit->text());
    if (auto* combo = Control<QComboBox>(window, id)) return FromQt(combo->currentText());
    if (auto* button = Control<QPushButton>(window, id)) return FromQt(button->text());
    if (auto* label = Control<QLabel>(window, id)) return FromQt(label->text());
    return {};
}

void SetControlText(int window, int id, const std::string& text) {
    if (auto* edit = Control<QLineEdit>(window, id)) edit->setText(ToQt(text));
    else if (auto* button = Control<QPushButton>(window, id)) button->setText(ToQt(text));
    else if (auto* label = Control<QLabel>(window, id)) label->setText(ToQt(text));
}

void SetControlVisible(int window, int id, bool visible) {
    if (QWidget* widget = Control(window, id)) widget->setVisible(visible);
}

bool ControlVisible(int window, int id) {
    QWidget* widget = Control(window, id);
    return widget && !widget->isHidden();
}

void SetControlFont(int window, int id, const FontSpec& font) {
    QWidget* widget = Control(window, id);
    if (!widget) return;
    QFont qfont(ToQt(font.face));
    if (font.points > 0) qfont.setPointSize(font.points);
    qfont.setBold(font.bold);
    qfont.setItalic(font.italic);
    widget->setFont(qfont);
}

void SetControlColor(int window, int id, Rgb color) {
    QWidget* widget = Control(window, id);
    if (!widget) return;
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, QColor(color.r, color.g, color.b));
    widget->setPalette(palette);
}

void SetControlPicture(int window, int id, const Picture* picture) {
    auto* label = Control<QLabel>(window, id);
    if (!label) return;
    if (!picture || picture->width <= 0 || picture->height <= 0) {
        label->setPixmap(QPixmap());
        return;
    }
    QImage image(reinterpret_cast<const uchar*>(picture->pixels.data()), picture->width, picture->height,
                 picture->width * 4, QImage::Format_ARGB32);
    label->setPixmap(QPixmap::fromImage(image.copy()));
}

void SetRefusedBytes(int window, int id, const std::string& bytes) {
    auto* edit = Control<QLineEdit>(window, id);
    if (!edit) return;
    delete edit->validator();
    edit->setValidator(new RefusingValidator(ToQt(bytes + "\r\n"), edit));
}

int FocusedControl(int window) {
    Window* w = Find(window);
    QWidget* focus = QApplication::focusWidget();
    if (!w || !focus) return -1;
    for (const auto& [id, widget] : w->controls) {
        if (widget == focus) return id;
    }
    return -1;
}

bool IsTextField(int window, int id) { return Control<QLineEdit>(window, id) != nullptr; }

void FocusControl(int window, int id) {
    if (QWidget* widget = Control(window, id)) widget->setFocus(Qt::OtherFocusReason);
}

bool PollEvent(Event& event) {
    if (g_app) {
        QApplication::sendPostedEvents();
        QApplication::processEvents();
    }
    if (g_events.empty()) return false;
    event = g_events.front();
    g_events.pop_front();
    return true;
}

Event WaitEvent() {
    while (g_events.empty() && g_app) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    Event event = g_events.empty() ? Event{} : g_events.front();
    if (!g_events.empty()) g_events.pop_front();
    return event;
}

void Pause(int milliseconds) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds) {
        const int left = static_cast<int>(milliseconds - timer.elapsed());
        if (g_app) QApplication::processEvents(QEventLoop::ExcludeUserInputEvents, std::max(1, left));
        if (timer.elapsed() < milliseconds) ::usleep(static_cast<useconds_t>(std::min(left, 10)) * 1000);
    }
}

std::string ClipboardText() {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    return data && data->hasText() ? FromQt(data->text()) : std::string();
}

void SetClipboardText(const std::string& text) { QApplication::clipboard()->setText(ToQt(text)); }

Picture ResizePicture(const Picture& picture, int width, int height) {
    Picture out;
    if (picture.width <= 0 || picture.height <= 0 || width <= 0 || height <= 0) return out;
    QImage source(reinterpret_cast<const uchar*>(picture.pixels.data()), picture.width, picture.height,
                  picture.width * 4, QImage::Format_ARGB32);
    QImage scaled = source.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                        .convertToFormat(QImage::Format_ARGB32);
    out.width = scaled.width();
    out.height = scaled.height();
    out.pixels.resize(static_cast<size_t>(out.width) * static_cast<size_t>(out.height));
    for (int y = 0; y < out.height; ++y) {
        std::memcpy(out.pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(out.width), scaled.constScanLine(y),
                    static_cast<size_t>(out.width) * 4);
    }
    return out;
}

int LastOpenedWindow() { return g_nextWindow - 1; }

QWidget* TopWidget(int window) {
    Window* w = Find(window);
    return w ? w->top.data() : nullptr;
}
QWidget* ControlWidget(int window, int id) { return Control(window, id); }
QMenuBar* MenuBarOf(int window) {
    Window* w = Find(window);
    return w ? w->menuBar : nullptr;
}
QToolBar* ToolbarOf(int window) {
    Window* w = Find(window);
    return w ? w->toolbar : nullptr;
}
QAction* MenuAction(int window, int number) {
    Window* w = Find(window);
    if (!w || !w->menuActions.count(number)) return nullptr;
    return w->menuActions[number];
}

}  // namespace qm::platform
