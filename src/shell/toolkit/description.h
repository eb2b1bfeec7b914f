// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/toolkit/decorations.h"
#include "shell/toolkit/form_window.h"
#include "shell/toolkit/style.h"
#include "shell/toolkit/twips.h"

#include <QPalette>
#include <QString>

#include <functional>
#include <span>

class Form;
class QAction;
class QMenu;

// A window is described as data: the window itself, then one row per control in reading order.
// The toolkit builds, names and connects the controls from the rows; the window's own code is
// its handlers.
namespace ui {

class Button;
class ChartView;
class ComboBox;
class DrawingSurface;
class Frame;
class Image;
class Label;
class ListBox;
class MultiLineTextBox;
class PictureBox;
class TextBox;
class TabControl;
class TabPage;
class Timer;

enum class Kind {
    Label,
    TextBox,
    MultiLineTextBox,
    ComboBox,
    Button,
    Frame,
    ListBox,
    Image,
    DrawingSurface,
    PictureBox,
    Line,
    Shape,
    Timer,
    Menu,
    MenuItem,
    MenuSeparator,
    TabControl,
    TabPage,
    Chart,
};

template <class T> constexpr Kind kindOf();
template <> constexpr Kind kindOf<Label>() {
    return Kind::Label;
}
template <> constexpr Kind kindOf<TextBox>() {
    return Kind::TextBox;
}
template <> constexpr Kind kindOf<MultiLineTextBox>() {
    return Kind::MultiLineTextBox;
}
template <> constexpr Kind kindOf<ComboBox>() {
    return Kind::ComboBox;
}
template <> constexpr Kind kindOf<Button>() {
    return Kind::Button;
}
template <> constexpr Kind kindOf<Frame>() {
    return Kind::Frame;
}
template <> constexpr Kind kindOf<ListBox>() {
    return Kind::ListBox;
}
template <> constexpr Kind kindOf<Image>() {
    return Kind::Image;
}
template <> constexpr Kind kindOf<DrawingSurface>() {
    return Kind::DrawingSurface;
}
template <> constexpr Kind kindOf<PictureBox>() {
    return Kind::PictureBox;
}
template <> constexpr Kind kindOf<Line>() {
    return Kind::Line;
}
template <> constexpr Kind kindOf<Shape>() {
    return Kind::Shape;
}
template <> constexpr Kind kindOf<Timer>() {
    return Kind::Timer;
}
template <> constexpr Kind kindOf<TabControl>() {
    return Kind::TabControl;
}
template <> constexpr Kind kindOf<TabPage>() {
    return Kind::TabPage;
}
template <> constexpr Kind kindOf<ChartView>() {
    return Kind::Chart;
}
template <> constexpr Kind kindOf<QMenu>() {
    return Kind::Menu;
}
template <> constexpr Kind kindOf<QAction>() {
    return Kind::MenuItem;
}

// A control's name with its type: declared once, it names the control in its row and gives the
// handlers typed access to it (Form::get).
template <class T> struct Ref { QString name; };

// The items of a control array, named "Name(0)", "Name(1)"…
template <class T> struct Array {
    QString name;
    Ref<T> operator[](int index) const { return {itemName(name, index)}; }
    static QString itemName(const QString& name, int index) {
        return name + u'(' + QString::number(index) + u')';
    }
};

// What a row makes: a kind of control and its object name.
struct Control {
    Kind kind;
    QString name;
    template <class T>
    Control(const Ref<T>& ref) // NOLINT: a typed name stands for the control it names
        : kind(kindOf<T>())
        , name(ref.name) {}
    Control(Kind k, QString n)
        : kind(k)
        , name(std::move(n)) {}
};

// Controls that no handler touches need no declared name.
inline Control label(const char* name) {
    return {Kind::Label, QString::fromLatin1(name)};
}
inline Control line(const char* name) {
    return {Kind::Line, QString::fromLatin1(name)};
}
inline Control shape(const char* name) {
    return {Kind::Shape, QString::fromLatin1(name)};
}
inline Control menu(const char* name) {
    return {Kind::Menu, QString::fromLatin1(name)};
}
inline Control menuSeparator(const char* name) {
    return {Kind::MenuSeparator, QString::fromLatin1(name)};
}
inline Control button(const char* name) {
    return {Kind::Button, QString::fromLatin1(name)};
}
inline Control frame(const char* name) {
    return {Kind::Frame, QString::fromLatin1(name)};
}
inline Control image(const char* name) {
    return {Kind::Image, QString::fromLatin1(name)};
}

// A handler of the window that owns the control: a click, a change of text, a line picked in a
// list or a tick.
using Handler = std::function<void(Form&)>;
// A mouse handler: buttons (1 left, 2 right, 4 middle), shift keys (1 Shift, 2 Ctrl, 4 Alt) and
// the pointer position in twips relative to the control.
using MouseHandler = std::function<void(Form&, int button, int shift, double x, double y)>;

// Binds a member function of a window as a handler.
template <class W> Handler call(void (W::*method)()) {
    return [method](Form& form) { (static_cast<W&>(form).*method)(); };
}
// The same for an item of a control array, which passes its index.
template <class W> Handler call(void (W::*method)(int), int index) {
    return [method, index](Form& form) { (static_cast<W&>(form).*method)(index); };
}
template <class W> MouseHandler call(void (W::*method)(int, int, double, double)) {
    return [method](Form& form, int button, int shift, double x, double y) {
        (static_cast<W&>(form).*method)(button, shift, x, y);
    };
}
// A mouse handler of an item of a control array, which passes its index first.
template <class W> MouseHandler call(void (W::*method)(int, int, int, double, double), int index) {
    return [method, index](Form& form, int button, int shift, double x, double y) {
        (static_cast<W&>(form).*method)(index, button, shift, x, y);
    };
}

// A colour given by its components, or by the name of a system colour, which is looked up when the
// control is built so that it follows the desktop's theme.
struct Colour {
    QColor rgb = {};
    QPalette::ColorRole role = QPalette::NoRole;
    Colour() = default;
    Colour(const QColor& c) // NOLINT: a plain colour is a colour
        : rgb(c) {}
    Colour(Qt::GlobalColor c) // NOLINT
        : rgb(c) {}
    static Colour system(QPalette::ColorRole r) {
        Colour c;
        c.role = r;
        return c;
    }
    bool isValid() const { return role != QPalette::NoRole || rgb.isValid(); }
    QColor resolve() const;
};

// The two ends of a line, in twips.
struct LineEnds {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
};

// One control of a window. Fields a row leaves out keep these defaults.
struct ControlRow {
    Control control;
    // The frame or tab page a control stands in, the tabbed control a page belongs to, or the menu an
    // entry belongs to; empty: the window itself.
    QString parent = {};
    // Caption of a label, button, frame or menu; first text of a text box.
    QString caption = {};
    twips::Rect rect = {};
    LineEnds ends = {}; // lines only
    FontSpec font = {};
    Colour foreColor = {}; // none: the system's text colour; the outline of a line or shape
    Colour backColor = {}; // none: a transparent label or shape, the system's face for the others
    QString picture = {};  // a resource, for an image, a picture box or a picture button
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    Shape::Kind shape = Shape::Kind::Rectangle;
    int penWidth = 1;
    int intervalMs = 0; // timers
    bool visible = true;
    bool wordWrap = false;
    // A word wider than its label (a long number) is broken where the line ends, not cut off.
    bool breakLongWords = false;
    bool readOnly = false;
    // A list that is only read takes no focus when its window opens, so no line looks picked.
    bool clickFocusOnly = false;
    // What a screen reader says for a control without a caption of its own. A text box or list
    // without one is named after the label just before it.
    QString accessibleName = {};
    // A label that shows a result: what a screen reader says when code writes its caption, %1
    // standing for the caption ("Discriminant : %1"; "%1" for a caption that says it all).
    QString announceAs = {};
    // The button that Enter in this single-line box presses, instead of the window's main button.
    Ref<Button> enterPresses = {};
    Handler handler = {};
    MouseHandler onMouseDown = {};
    MouseHandler onMouseMove = {};
    MouseHandler onMouseUp = {};
};

// The window itself.
struct WindowDescription {
    const char* name; // the window's name, also its object name
    QString title;
    FormWindow::Border border;
    int width; // client area, twips
    int height;
    Colour backColor = {};
    // Centred on the screen each time its controls are built; otherwise the window manager places it.
    bool centred = false;
    // What a screen reader calls the window, in words, when its title bar shows a code.
    QString accessibleName = {};
    // The button that Enter in any single-line box of the window presses (when it is shown).
    Ref<Button> mainButton = {};
    // The button that F1 presses, wherever the focus is in the window.
    Ref<Button> f1Presses = {};
    // A page to read: Tab walks through its texts, which take the focus in turn, and Escape
    // closes it as its title bar's close box does.
    bool page = false;
    std::span<const ControlRow> controls = {};
    // A double-click on the window's own background, not on one of its controls.
    Handler onDblClick = {};
    // A move of the pointer over the window's own background, not over one of its controls.
    MouseHandler onMouseMove = {};
};

// Builds the window and every control of its description, and connects their handlers to form.
FormWindow* build(Form& form, const WindowDescription& description);

} // namespace ui
