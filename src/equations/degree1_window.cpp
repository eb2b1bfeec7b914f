// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "equations/degree1_window.h"

#include "equations/rules/affine.h"
#include "graphs/plotter.h"
#include "shell/input_filters.h"
#include "shell/program.h"
#include "shell/rules/skip_on_error.h"
#include "shell/toolkit/button.h"
#include "shell/toolkit/controls.h"
#include "shell/toolkit/decorations.h"

namespace {
using namespace ui;
using W = Degree1Window;

const FontSpec kLarge{.points = 13.5}; // the rows of the function, of the evaluation and of the solving
const FontSpec kBox{.points = 12};
constexpr int kWidth = 4755;

const Ref<TextBox> Text1{"Text1"};             // a
const Ref<TextBox> Text2{"Text2"};             // b
const Ref<TextBox> Text4{"Text4"};             // x0
const Ref<Label> Label4{"Label4"};             // f(x0)
const Ref<TextBox> Text3{"Text3"};             // k
const Ref<Label> Label2{"Label2"};             // the solution of f(x) = k
const Ref<Line> Line9{"Line9"};                // the arrow of the table of variation
const Array<TextBox> Text_range{"Text_range"}; // x minimum, x maximum, y minimum, y maximum

// The drawing ranges: a label and two boxes a row.
std::vector<ControlRow> rangeRows() {
    std::vector<ControlRow> rows;
    const char* initial[] = {"-5", "10", "-5", "10"};
    for (int row = 0; row < 2; ++row) {
        const int top = 5700 + row * 660;
        rows.push_back({.control = Array<Label>{"Label8"}[row],
                        .caption = row == 0 ? "RANGE X" : "RANGE Y",
                        .rect = {1560, top + 60, 900, 255},
                        .font = {.bold = true}});
        for (int col = 0; col < 2; ++col) {
            const int i = row * 2 + col;
            rows.push_back({.control = Text_range[i],
                            .caption = initial[i],
                            .rect = {2520 + col * 1080, top, 975, 345},
                            .accessibleName = QStringLiteral("%1 %2").arg(row == 0 ? "RANGE X" : "RANGE Y",
                                                                          col == 0 ? "minimum" : "maximum")});
        }
    }
    return rows;
}

const std::vector<ControlRow> kControls = [] {
    std::vector<ControlRow> rows = {
        // F :  x -> a x + b
        {.control = label("Label3(0)"),
         .caption = "F :  x ->",
         .rect = {240, 285, 1095, 375},
         .font = kLarge},
        {.control = Text1,
         .caption = "1",
         .rect = {1320, 240, 855, 420},
         .font = kBox,
         .accessibleName = "a",
         .handler = call(&W::Text1_Change)},
        {.control = label("Label1"),
         .caption = "x +                 ",
         .rect = {2220, 285, 2415, 375},
         .font = kLarge},
        {.control = Text2,
         .caption = "0",
         .rect = {2640, 240, 1215, 420},
         .font = kBox,
         .accessibleName = "b",
         .handler = call(&W::Text2_Change)},
        {.control = line("Line2"), .ends = {0, 780, kWidth, 780}},

        // Calculer  F ( x0 ) =   then f(x0) on the line below
        {.control = button("Command2"),
         .caption = "Calculer",
         .rect = {240, 900, 1095, 450},
         .handler = call(&W::Command2_Click)},
        {.control = label("Label3(1)"),
         .caption = "F (            ) =",
         .rect = {1560, 945, 1935, 375},
         .font = kLarge},
        {.control = Text4,
         .caption = "0",
         .rect = {1920, 915, 840, 420},
         .font = kBox,
         .accessibleName = "x0",
         .handler = call(&W::Text4_Change)},
        {.control = Label4, .rect = {600, 1380, 4035, 375}, .font = kLarge},

        // Résoudre  F ( x ) = k   then the solution on the line below
        {.control = button("Command1"),
         .caption = "Résoudre",
         .rect = {240, 1845, 1095, 450},
         .handler = call(&W::Command1_Click)},
        {.control = label("Label3(2)"),
         .caption = "F ( x ) =",
         .rect = {1560, 1890, 1095, 375},
         .font = kLarge},
        {.control = Text3,
         .caption = "0",
         .rect = {2640, 1860, 1215, 420},
         .font = kBox,
         .accessibleName = "k",
         .handler = call(&W::Text3_Change)},
        {.control = Label2, .rect = {600, 2325, 4035, 375}, .font = kLarge},
        {.control = line("Line1"), .ends = {0, 2790, kWidth, 2790}},

        // The table of variation; the arrow lies on the row separator until it is placed.
        {.control = line("Line3"), .ends = {360, 3000, 3840, 3000}},
        {.control = line("Line5"), .ends = {360, 4440, 3840, 4440}},
        {.control = line("Line7"), .ends = {360, 3000, 360, 4440}},
        {.control = line("Line8"), .ends = {3840, 3000, 3840, 4440}},
        {.control = line("Line4"), .ends = {360, 3360, 3840, 3360}},
        {.control = line("Line6"), .ends = {840, 3000, 840, 4440}},
        {.control = label("Label5"), .caption = "x", .rect = {480, 3120, 255, 255}},
        {.control = label("Label6"),
         .caption = "   -oo                                                  +oo",
         .rect = {840, 3120, 3015, 255}},
        {.control = label("Label7"), .caption = "F", .rect = {480, 3720, 255, 255}},
        {.control = Line9, .ends = {1200, 3360, 3600, 3360}},
        {.control = button("Command3"),
         .caption = "Tableau de variation",
         .rect = {1080, 4620, 2595, 450},
         .handler = call(&W::Command3_Click)},
        {.control = line("Line10"), .ends = {0, 5340, kWidth, 5340}},

        // Tracé, with the ranges of the drawing
        {.control = button("Command4"),
         .caption = "Tracé",
         .rect = {240, 5700, 1095, 1005},
         .handler = call(&W::Command4_Click)},
    };
    for (ControlRow& row : rangeRows())
        rows.push_back(std::move(row));
    return rows;
}();

} // namespace

const WindowDescription Degree1Window::description{
    .name = "c_Eq_d1",
    .title = "Eq_d1",
    .border = FormWindow::Border::FixedSingle,
    .width = kWidth,
    .height = 7305,
    .backColor = colours::skyBlue,
    .centred = true,
    .controls = kControls,
};

PlotBoxes Degree1Window::plotBoxes() {
    return {{&get(Text_range[0]), &get(Text_range[1]), &get(Text_range[2]), &get(Text_range[3])},
            {&get(Text1), &get(Text2), nullptr}};
}

void Degree1Window::Command1_Click() {
    const NumberFormat& f = program().numbers();
    auto number = [&](const Ref<TextBox>& box) { return need(f.toDouble(get(box).text().toStdString())); };
    SkipOnError run;
    if (run.test([&] { return number(Text1) != 0; }))
        run.step([&] {
            const double x = need(affine::solve(number(Text1), number(Text2), number(Text3)));
            get(Label2).setCaption(QStringLiteral("x = ") + QString::fromStdString(f.numberText(x)));
        });
}

void Degree1Window::Command2_Click() {
    const NumberFormat& f = program().numbers();
    const auto a = f.toDouble(get(Text1).text().toStdString());
    const auto b = f.toDouble(get(Text2).text().toStdString());
    const auto x0 = f.toDouble(get(Text4).text().toStdString());
    if (!a || !b || !x0)
        return;
    if (const auto y = affine::valueAt(*a, *b, *x0))
        get(Label4).setCaption(QString::fromStdString(f.numberText(*y)));
}

void Degree1Window::Command3_Click() {
    if (get(Text1).text().isEmpty())
        return;
    const auto a = program().numbers().toDouble(get(Text1).text().toStdString());
    if (!a)
        return;
    const affine::Arrow arrow = affine::arrowFor(*a);
    get(Line9).setEnds(arrow.x1, arrow.y1, arrow.x2, arrow.y2);
}

void Degree1Window::Command4_Click() {
    TracerCourbe(program(), *this);
}

// A coefficient box keeps only the longest beginning of its text that is a number. The shortened
// text is set once: the change that follows finds a number, or an empty box, and stops there.
void Degree1Window::trimToNumber(TextBox& box) {
    const std::string text = box.text().toStdString();
    if (text.empty() || program().numbers().toDouble(text))
        return;
    box.setText(QString::fromStdString(affine::longestNumberPrefix(program().numbers(), text)));
}

void Degree1Window::Text1_Change() {
    trimToNumber(get(Text1));
}

void Degree1Window::Text2_Change() {
    trimToNumber(get(Text2));
}

void Degree1Window::Text3_Change() {
    Mod_Verif::filterBox(*this, Text3, Mod_Verif::VerifSigne);
}

void Degree1Window::Text4_Change() {
    Mod_Verif::filterBox(*this, Text4, Mod_Verif::VerifSigne);
}
