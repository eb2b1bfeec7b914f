// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "equations/diophantine_window.h"

#include "shell/program.h"
#include "shell/toolkit/button.h"
#include "shell/toolkit/controls.h"
#include "shell/toolkit/fit_text.h"

namespace {
using namespace ui;
using W = DiophantineWindow;

const FontSpec kEquationFont{.points = 13.5};
const FontSpec kResultFont{.points = 12};

const Ref<TextBox> Text1{"Text1"}; // a
const Ref<Label> Label1{"Label1"}; // "x +   …   y = " around the box of b
const Ref<TextBox> Text2{"Text2"}; // b
const Ref<TextBox> Text3{"Text3"}; // c
const Ref<Button> Command1{"Command1"};
const Ref<Button> Command2{"Command2"};
// (0) "x =" and (1) "y =" of the particular solution, (3) "x =" and (2) "y =" of the general one
const Array<Label> Label4{"Label4"};
const Ref<Label> Label2{"Label2"};   // x0
const Ref<Label> Label3{"Label3"};   // y0
const Ref<Label> Label5{"Label5"};   // b in the general x line
const Ref<Label> Label7{"Label7"};   // "*k" or "*k +" in the general x line
const Ref<Label> Label9{"Label9"};   // x0 in the general x line
const Ref<Label> Label6{"Label6"};   // −a in the general y line
const Ref<Label> Label8{"Label8"};   // "*k" or "*k +" in the general y line
const Ref<Label> Label10{"Label10"}; // y0 in the general y line

// Columns of the result lines: the prefix, the value (or the coefficient of k, set against its
// multiplier), the multiplier and the particular value.
constexpr int kPrefixLeft = 2520;
constexpr int kValueLeft = 2940;
constexpr int kMultiplierLeft = 3780;
constexpr int kEndLeft = 4320;
constexpr int kLineHeight = 330;

// "x =" or "y =" before a result line, shown with its stage.
ControlRow prefix(const Ref<Label>& label, int top, const char* caption) {
    return {.control = label,
            .caption = caption,
            .rect = {kPrefixLeft, top, 420, kLineHeight},
            .font = kResultFont,
            .visible = false};
}
// A value written by the handlers, empty at first.
ControlRow value(const Ref<Label>& label, int left, int top, int width) {
    return {.control = label, .rect = {left, top, width, kLineHeight}, .font = kResultFont};
}
// The coefficient of k, against its multiplier.
ControlRow coefficientOfK(const Ref<Label>& label, int top) {
    return {.control = label,
            .rect = {kValueLeft, top, 800, kLineHeight},
            .font = kResultFont,
            .alignment = Qt::AlignRight | Qt::AlignTop};
}
// "*k", or "*k +" before a positive particular value, shown with the general lines.
ControlRow multiplier(const Ref<Label>& label, int top) {
    return {.control = label,
            .caption = "*k",
            .rect = {kMultiplierLeft, top, 540, kLineHeight},
            .font = kResultFont,
            .visible = false};
}

ControlRow coefficientBox(const Ref<TextBox>& box, int left, const char* spoken) {
    return {.control = box,
            .rect = {left, 360, 855, 375},
            .accessibleName = spoken,
            .handler = call(&W::CoefficientBox_Change)};
}

const ControlRow kControls[] = {
    // The equation: [a] x + [b] y = [c]; the box of b stands over the blanks of Label1.
    coefficientBox(Text1, 840, "a"),
    {.control = Label1,
     .caption = "x +              y = ",
     .rect = {1740, 390, 2760, 375},
     .font = kEquationFont},
    coefficientBox(Text2, 2250, "b"),
    coefficientBox(Text3, 3780, "c"),
    {.control = button("Command3"),
     .caption = "Simplifier(éventuellement)",
     .rect = {1800, 1020, 2010, 495},
     .handler = call(&W::Command3_Click)},

    // The particular solution, its two lines to the right of the button.
    {.control = Command1,
     .caption = "Solutions particulieres",
     .rect = {240, 1860, 2010, 495},
     .visible = false,
     .handler = call(&W::Command1_Click)},
    prefix(Label4[0], 1740, "x ="),
    value(Label2, kValueLeft, 1740, 1500),
    prefix(Label4[1], 2160, "y ="),
    value(Label3, kValueLeft, 2160, 1500),

    // The general solution: x = b *k + x0 and y = -a *k + y0.
    {.control = Command2,
     .caption = "Solution générale",
     .rect = {240, 3300, 2010, 495},
     .visible = false,
     .handler = call(&W::Command2_Click)},
    prefix(Label4[3], 3180, "x ="),
    coefficientOfK(Label5, 3180),
    multiplier(Label7, 3180),
    value(Label9, kEndLeft, 3180, 1050),
    prefix(Label4[2], 3600, "y ="),
    coefficientOfK(Label6, 3600),
    multiplier(Label8, 3600),
    value(Label10, kEndLeft, 3600, 1050),
};

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

// Writes a box only when its text changes, so that a change is always an edit of the equation.
void rewrite(TextBox& box, const std::string& s) {
    if (box.text() != text(s))
        box.setText(text(s));
}

} // namespace

const WindowDescription DiophantineWindow::description{
    .name = "c_Eq_dioph",
    .title = "Eq_dioph",
    .border = FormWindow::Border::FixedSingle,
    .width = 5610,
    .height = 4635,
    .controls = kControls,
};

void DiophantineWindow::arrange() {
    placeSentenceAroundBoxes(get(Label1), get(Text2), get(Text3));
}

diophantine::Boxes DiophantineWindow::boxes() {
    return {get(Text1).text().toStdString(), get(Text2).text().toStdString(),
            get(Text3).text().toStdString()};
}

diophantine::View DiophantineWindow::view() {
    const QWidget* w = &window();
    const auto caption = [&](const Ref<Label>& l) { return get(l).caption().toStdString(); };
    const auto shown = [&](const auto& ref) { return get(ref).isVisibleTo(w); };
    return {.x0 = caption(Label2),
            .y0 = caption(Label3),
            .generalB = caption(Label5),
            .generalX0 = caption(Label9),
            .minusA = caption(Label6),
            .generalY0 = caption(Label10),
            .xMultiplier = caption(Label7),
            .yMultiplier = caption(Label8),
            .particularShown = shown(Command1),
            .particularLinesShown = shown(Label4[0]),
            .generalShown = shown(Command2),
            .generalLinesShown = shown(Label4[3])};
}

void DiophantineWindow::showView(const diophantine::View& v) {
    get(Label2).setCaption(text(v.x0));
    get(Label3).setCaption(text(v.y0));
    get(Label5).setCaption(text(v.generalB));
    get(Label9).setCaption(text(v.generalX0));
    get(Label6).setCaption(text(v.minusA));
    get(Label10).setCaption(text(v.generalY0));
    get(Label7).setCaption(text(v.xMultiplier));
    get(Label8).setCaption(text(v.yMultiplier));
    get(Command1).setVisible(v.particularShown);
    for (int i : {0, 1})
        get(Label4[i]).setVisible(v.particularLinesShown);
    get(Command2).setVisible(v.generalShown);
    for (int i : {3, 2})
        get(Label4[i]).setVisible(v.generalLinesShown);
    get(Label7).setVisible(v.generalLinesShown);
    get(Label8).setVisible(v.generalLinesShown);
}

void DiophantineWindow::Command3_Click() {
    diophantine::Boxes b = boxes();
    diophantine::View v = view();
    diophantine::simplify(program().numbers(), b, v);
    // A box whose text changes resets the window through its change handler, as an edit would;
    // the view, already reset by the rules in that case, is shown afterwards.
    rewrite(get(Text1), b.a);
    rewrite(get(Text2), b.b);
    rewrite(get(Text3), b.c);
    showView(v);
}

void DiophantineWindow::Command1_Click() {
    diophantine::View v = view();
    switch (diophantine::particularSolution(program().numbers(), boxes(), v)) {
    case diophantine::Particular::Found:
        showView(v);
        break;
    case diophantine::Particular::NoSolution:
        program().message(text(std::string(diophantine::kNoSolutionMessage)));
        break;
    case diophantine::Particular::Nothing:
        break;
    }
}

void DiophantineWindow::Command2_Click() {
    diophantine::View v = view();
    diophantine::generalSolution(program().numbers(), boxes(), v);
    showView(v);
}

void DiophantineWindow::CoefficientBox_Change() {
    diophantine::View v = view();
    diophantine::resetOnEdit(v);
    showView(v);
}
