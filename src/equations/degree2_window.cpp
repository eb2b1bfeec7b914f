// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "equations/degree2_window.h"

#include "graphs/plotter.h"
#include "shell/input_filters.h"
#include "shell/program.h"
#include "shell/toolkit/button.h"
#include "shell/toolkit/controls.h"
#include "shell/toolkit/decorations.h"

namespace {
using namespace ui;
using W = Degree2Window;

constexpr int kClientWidth = 7560;
constexpr int kClientHeight = 8595;

const FontSpec kFrameFont{.points = 13.5}; // the texts framing the boxes, and f(x0)
const FontSpec kResultFont{.points = 12};  // the solver's results
const FontSpec kBoxFont{.points = 12};     // the boxes of the function, evaluation and solving rows
const FontSpec kBoldFont{.points = 12, .bold = true};

const Ref<TextBox> Text1{"Text1"}; // a
const Ref<TextBox> Text2{"Text2"}; // b
const Ref<TextBox> Text3{"Text3"}; // c
const Ref<Line> Line1{"Line1"};
const Ref<TextBox> Text4{"Text4"};   // x0
const Array<Label> Label8{"Label8"}; // (0) f(x0), (1) "RANGE Y", (2) "RANGE X"
const Ref<Line> Line2{"Line2"};
const Ref<TextBox> Text5{"Text5"}; // k
const Ref<Label> Label2{"Label2"}; // the discriminant
const Ref<Button> Command2{"Command2"};
const Ref<Label> Label3{"Label3"}; // the first solution
const Ref<Label> Label4{"Label4"}; // the second solution
const Ref<Button> Command3{"Command3"};
const Ref<Label> Label5{"Label5"};   // the factorised form
const Ref<Label> Label11{"Label11"}; // the vertex's abscissa in the table of variation
const Array<TextBox> Text_range{"Text_range"};

// The coefficient boxes in the order the change handler numbers them.
const Ref<TextBox>* const kCoefficientBoxes[] = {&Text1, &Text2, &Text3, &Text4};

QString text(const std::string& s) {
    return QString::fromStdString(s);
}
std::string text(const QString& s) {
    return s.toStdString();
}

// Moves a line one end coordinate at a time, as the table of variation draws its arrows.
void placeLine(Line& line, int x1, int y1, int x2, int y2) {
    line.setX1(x1);
    line.setX2(x2);
    line.setY1(y1);
    line.setY2(y2);
}

ControlRow coefficientBox(const Ref<TextBox>& box, int index, const char* initial, const twips::Rect& r,
                          const char* spoken) {
    return {.control = box,
            .caption = initial,
            .rect = r,
            .font = kBoxFont,
            .accessibleName = spoken,
            .handler = call(&W::CoefficientBox_Change, index)};
}

const std::vector<ControlRow> kControls = [] {
    std::vector<ControlRow> rows = {
        // The function row: F: x-> [a] x² + [b] x  + [c]; the boxes of b and c stand over the
        // blanks of Label1 and after its last "+".
        {.control = label("Label6"), .caption = "F: x->", .rect = {120, 195, 840, 375}, .font = kFrameFont},
        coefficientBox(Text1, 0, "1", {960, 150, 1095, 405}, "a"),
        {.control = label("Label1"),
         .caption = "x² +                  x  + ",
         .rect = {2100, 210, 2400, 330},
         .font = kBoldFont},
        coefficientBox(Text2, 1, "0", {2625, 150, 1020, 405}, "b"),
        coefficientBox(Text3, 2, "0", {4260, 150, 1095, 405}, "c"),
        {.control = Line1, .ends = {kClientWidth, 720, 0, 720}},

        // The evaluation row: Calculer   F( [x0] )= f(x0)
        {.control = button("Command4"),
         .caption = "Calculer",
         .rect = {120, 840, 1215, 495},
         .handler = call(&W::Command4_Click)},
        {.control = label("Label7"),
         .caption = "F(             )=",
         .rect = {1560, 900, 1560, 375},
         .font = kFrameFont},
        coefficientBox(Text4, 3, "0", {1845, 870, 915, 405}, "x0"),
        {.control = Label8[0], .rect = {3240, 900, 4200, 375}, .font = kFrameFont},
        {.control = Line2, .ends = {kClientWidth, 1440, 0, 1440}},

        // The solver: Résoudre f(x)= [k], then one button per step with its result beside it.
        {.control = label("Label9"),
         .caption = "Résoudre f(x)=",
         .rect = {120, 1590, 1920, 375},
         .font = kFrameFont},
        {.control = Text5,
         .caption = "0",
         .rect = {2040, 1560, 1095, 405},
         .font = kBoxFont,
         .accessibleName = "k"},
        {.control = button("Command1"),
         .caption = "&Discriminant",
         .rect = {120, 2160, 1695, 495},
         .handler = call(&W::Command1_Click)},
        {.control = Label2, .rect = {2040, 2250, 5400, 330}, .font = kResultFont},
        {.control = Command2,
         .caption = "&Solutions",
         .rect = {120, 2760, 1695, 495},
         .handler = call(&W::Command2_Click)},
        {.control = Label3, .rect = {2040, 2850, 2640, 330}, .font = kResultFont},
        {.control = Label4, .rect = {4800, 2850, 2640, 330}, .font = kResultFont},
        {.control = Command3,
         .caption = "&Factorisation",
         .rect = {120, 3360, 1695, 495},
         .handler = call(&W::Command3_Click)},
        {.control = Label5, .rect = {2040, 3390, 5175, 600}, .font = kResultFont, .wordWrap = true},
        {.control = line("Line3"), .ends = {kClientWidth, 4080, 0, 4080}},

        // The table of variation. Line1 and Line2 become its arrows once it has been drawn.
        {.control = button("Command5"),
         .caption = "Tableau de variation",
         .rect = {120, 4920, 1575, 735},
         .handler = call(&W::Command5_Click)},
        {.control = shape("Shape1"), .rect = {1920, 4200, 4815, 2175}},
        {.control = line("Line5"), .ends = {1920, 4680, 6720, 4680}},
        {.control = line("Line7"), .ends = {2520, 4200, 2520, 6360}},
        {.control = line("Line6"), .ends = {1920, 6360, 6720, 6360}},
        {.control = label("Label10(0)"), .caption = "x", .rect = {2040, 4320, 375, 330}, .font = kBoxFont},
        {.control = label("Label10(1)"), .caption = "F", .rect = {2160, 5280, 375, 330}, .font = kBoxFont},
        {.control = label("Label10(3)"), .caption = "-oo", .rect = {2640, 4320, 615, 330}, .font = kBoxFont},
        {.control = label("Label10(2)"), .caption = "+oo", .rect = {6240, 4320, 480, 330}, .font = kBoxFont},
        // Wide enough for a vertex written with all its digits, short of "+oo".
        {.control = Label11, .rect = {4320, 4320, 1875, 255}},
        {.control = line("Line10"), .ends = {kClientWidth, 6720, 0, 6720}},

        // The drawing row.
        {.control = button("Command6"),
         .caption = "Tracé",
         .rect = {120, 7200, 1455, 735},
         .handler = call(&W::Command6_Click)},
        {.control = Label8[2], .caption = "RANGE X", .rect = {1920, 7020, 1215, 330}, .font = kBoldFont},
        {.control = Label8[1], .caption = "RANGE Y", .rect = {1920, 7740, 1215, 330}, .font = kBoldFont},
    };
    const char* const initial[4] = {"-5", "10", "-5", "10"};
    const char* const spoken[4] = {"RANGE X minimum", "RANGE X maximum", "RANGE Y minimum",
                                   "RANGE Y maximum"};
    for (int i = 0; i < 4; ++i)
        rows.push_back({.control = Text_range[i],
                        .caption = initial[i],
                        .rect = {3240 + (i % 2) * 1320, 6990 + (i / 2) * 720, 1095, 375},
                        .font = {.points = 9.75},
                        .accessibleName = spoken[i]});
    return rows;
}();

} // namespace

const WindowDescription Degree2Window::description{
    .name = "c_Eq_d2",
    .title = "Eq_d2",
    .border = FormWindow::Border::FixedSingle,
    .width = kClientWidth,
    .height = kClientHeight,
    .backColor = colours::skyBlue,
    .centred = true,
    .controls = kControls,
};

PlotBoxes Degree2Window::plotBoxes() {
    return {{&get(Text_range[0]), &get(Text_range[1]), &get(Text_range[2]), &get(Text_range[3])},
            {&get(Text1), &get(Text2), &get(Text3)}};
}

void Degree2Window::load() {
    get(Command2).setVisible(false);
    get(Command3).setVisible(false);
}

TrinomialBoxes Degree2Window::solverBoxes() {
    return {text(get(Text1).text()), text(get(Text2).text()), text(get(Text3).text()),
            text(get(Text5).text())};
}

SolverView Degree2Window::solverView() {
    const QWidget* w = &window();
    return {text(get(Label2).caption()), text(get(Label3).caption()),  text(get(Label4).caption()),
            text(get(Label5).caption()), get(Command2).isVisibleTo(w), get(Command3).isVisibleTo(w),
            get(Label4).isVisibleTo(w)};
}

void Degree2Window::showSolverView(const SolverView& view) {
    get(Label2).setCaption(text(view.discriminant));
    get(Label3).setCaption(text(view.first));
    get(Label4).setCaption(text(view.second));
    get(Label5).setCaption(text(view.factorisation));
    get(Command2).setVisible(view.solutionsShown);
    get(Command3).setVisible(view.factorisationShown);
    get(Label4).setVisible(view.secondShown);
}

void Degree2Window::Command1_Click() {
    SolverView view = solverView();
    Discriminant(program().numbers(), solverBoxes(), m_memory, view);
    showSolverView(view);
}

void Degree2Window::Command2_Click() {
    SolverView view = solverView();
    Solutions(program().numbers(), solverBoxes(), m_memory, view);
    showSolverView(view);
}

void Degree2Window::Command3_Click() {
    SolverView view = solverView();
    Factorisation(program().numbers(), text(get(Text1).text()), view);
    showSolverView(view);
}

void Degree2Window::Command4_Click() {
    if (const auto value =
            trinomialValue(program().numbers(), text(get(Text1).text()), text(get(Text2).text()),
                           text(get(Text3).text()), text(get(Text4).text())))
        get(Label8[0]).setCaption(text(program().numbers().numberText(*value)));
}

void Degree2Window::Command5_Click() {
    const Variation v = variationOf(program().numbers(), text(get(Text1).text()), text(get(Text2).text()),
                                    text(get(Text3).text()));
    if (v.arrows == Variation::Arrows::DownThenUp) {
        placeLine(get(Line1), 2640, 4800, 4320, 6240);
        placeLine(get(Line2), 4560, 6240, 6480, 4800);
    } else if (v.arrows == Variation::Arrows::UpThenDown) {
        placeLine(get(Line1), 2640, 6240, 4320, 4800);
        placeLine(get(Line2), 4560, 4800, 6480, 6240);
    }
    if (v.vertex)
        get(Label11).setCaption(text(*v.vertex));
}

void Degree2Window::Command6_Click() {
    TracerCourbe(program(), *this);
}

void Degree2Window::CoefficientBox_Change(int box) {
    for (const Ref<Label>* l : {&Label2, &Label3, &Label4, &Label5})
        get(*l).setCaption(QString());
    get(Label4).setVisible(true);
    get(Command2).setVisible(false);
    get(Command3).setVisible(false);
    Mod_Verif::filterBox(*this, *kCoefficientBoxes[box], Mod_Verif::VerifSigne);
}
