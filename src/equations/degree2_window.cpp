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

constexpr int kClientWidth = 7560;
constexpr int kClientHeight = 8595;

const FontSpec kFrameFont{13.5}; // the texts framing the boxes, and f(x0)
const FontSpec kResultFont{12};  // the solver's results
const FontSpec kBoxFont{12};     // the boxes of the function, evaluation and solving rows
const FontSpec kBoldFont{12, true};

QString text(const std::string& s) {
    return QString::fromStdString(s);
}
std::string text(const QString& s) {
    return s.toStdString();
}

// Moves a line one end coordinate at a time, as the table of variation draws its arrows.
void placeLine(Line* line, int x1, int y1, int x2, int y2) {
    line->setX1(x1);
    line->setX2(x2);
    line->setY1(y1);
    line->setY2(y2);
}

} // namespace

Degree2Window::Degree2Window(Program& program)
    : FormOf(program, formName) {}

FormWindow* Degree2Window::buildControls() {
    auto* w = new FormWindow(formName, QStringLiteral("Eq_d2"), FormWindow::Border::FixedSingle, kClientWidth,
                             kClientHeight);
    w->setBackColor(colors::lightBlue);
    QWidget* c = w->client();
    m_ui = std::make_unique<Degree2WindowUi>();
    Degree2WindowUi& u = *m_ui;
    const auto label = [c](const char* name, const QString& caption, const twips::Rect& r,
                           const FontSpec& font = {}, bool wrap = false) {
        return new Label(c, {QString::fromLatin1(name), caption, r, font, wrap});
    };
    const auto box = [c](const char* name, const char* initial, const twips::Rect& r,
                         const FontSpec& font = kBoxFont) {
        auto* b = new TextBox(c, QString::fromLatin1(name), r, font);
        b->setText(QString::fromLatin1(initial));
        return b;
    };
    const auto button = [c](const char* name, const QString& caption, const twips::Rect& r) {
        return new Button(c, QString::fromLatin1(name), caption, r);
    };

    // The function row: F: x-> [a] x² + [b] x  + [c]; the boxes of b and c stand over the blanks
    // of Label1 and after its last "+".
    u.Label6 = label("Label6", QStringLiteral("F: x->"), {120, 195, 840, 375}, kFrameFont);
    u.Text1 = box("Text1", "1", {960, 150, 1095, 405});
    u.Label1 = label("Label1", QStringLiteral("x² +") + QString(18, u' ') + QStringLiteral("x  + "),
                     {2100, 210, 2400, 330}, kBoldFont);
    u.Text2 = box("Text2", "0", {2625, 150, 1020, 405});
    u.Text3 = box("Text3", "0", {4260, 150, 1095, 405});
    u.Line1 = new Line(c, QStringLiteral("Line1"), kClientWidth, 720, 0, 720);

    // The evaluation row: Calculer   F( [x0] )= f(x0)
    u.Command4 = button("Command4", QStringLiteral("Calculer"), {120, 840, 1215, 495});
    u.Label7 = label("Label7", QStringLiteral("F(") + QString(13, u' ') + QStringLiteral(")="),
                     {1560, 900, 1560, 375}, kFrameFont);
    u.Text4 = box("Text4", "0", {1845, 870, 915, 405});
    u.Label8[0] = label("Label8(0)", QString(), {3240, 900, 4200, 375}, kFrameFont);
    u.Line2 = new Line(c, QStringLiteral("Line2"), kClientWidth, 1440, 0, 1440);

    // The solver: Résoudre f(x)= [k], then one button per step with its result beside it.
    u.Label9 = label("Label9", QStringLiteral("Résoudre f(x)="), {120, 1590, 1920, 375}, kFrameFont);
    u.Text5 = box("Text5", "0", {2040, 1560, 1095, 405});
    u.Command1 = button("Command1", QStringLiteral("&Discriminant"), {120, 2160, 1695, 495});
    u.Label2 = label("Label2", QString(), {2040, 2250, 5400, 330}, kResultFont);
    u.Command2 = button("Command2", QStringLiteral("&Solutions"), {120, 2760, 1695, 495});
    u.Label3 = label("Label3", QString(), {2040, 2850, 2640, 330}, kResultFont);
    u.Label4 = label("Label4", QString(), {4800, 2850, 2640, 330}, kResultFont);
    u.Command3 = button("Command3", QStringLiteral("&Factorisation"), {120, 3360, 1695, 495});
    u.Label5 = label("Label5", QString(), {2040, 3390, 5175, 600}, kResultFont, true);
    u.Line3 = new Line(c, QStringLiteral("Line3"), kClientWidth, 4080, 0, 4080);

    // The table of variation. Line1 and Line2 become its arrows once it has been drawn.
    u.Command5 = button("Command5", QStringLiteral("Tableau de variation"), {120, 4920, 1575, 735});
    u.Shape1 = new Shape(c, QStringLiteral("Shape1"), Shape::Kind::Rectangle, {1920, 4200, 4815, 2175});
    u.Line5 = new Line(c, QStringLiteral("Line5"), 1920, 4680, 6720, 4680);
    u.Line7 = new Line(c, QStringLiteral("Line7"), 2520, 4200, 2520, 6360);
    u.Line6 = new Line(c, QStringLiteral("Line6"), 1920, 6360, 6720, 6360);
    const FontSpec tableFont{12};
    u.Label10[0] = label("Label10(0)", QStringLiteral("x"), {2040, 4320, 375, 330}, tableFont);
    u.Label10[1] = label("Label10(1)", QStringLiteral("F"), {2160, 5280, 375, 330}, tableFont);
    u.Label10[3] = label("Label10(3)", QStringLiteral("-oo"), {2640, 4320, 615, 330}, tableFont);
    u.Label10[2] = label("Label10(2)", QStringLiteral("+oo"), {6240, 4320, 480, 330}, tableFont);
    // Wide enough for a vertex written with all its digits, short of "+oo".
    u.Label11 = label("Label11", QString(), {4320, 4320, 1875, 255});
    u.Line10 = new Line(c, QStringLiteral("Line10"), kClientWidth, 6720, 0, 6720);

    // The drawing row.
    u.Command6 = button("Command6", QStringLiteral("Tracé"), {120, 7200, 1455, 735});
    u.Label8[2] = label("Label8(2)", QStringLiteral("RANGE X"), {1920, 7020, 1215, 330}, kBoldFont);
    u.Label8[1] = label("Label8(1)", QStringLiteral("RANGE Y"), {1920, 7740, 1215, 330}, kBoldFont);
    const char* const ranges[4] = {"-5", "10", "-5", "10"};
    for (int i = 0; i < 4; ++i) {
        const twips::Rect r{3240 + (i % 2) * 1320, 6990 + (i / 2) * 720, 1095, 375};
        u.Text_range[i] =
            box(QStringLiteral("Text_range(%1)").arg(i).toLatin1().constData(), ranges[i], r, FontSpec{9.75});
    }

    for (TextBox* b : {u.Text1, u.Text2, u.Text3, u.Text4})
        QObject::connect(b, &QLineEdit::textChanged, this, [this, b] { CoefficientBox_Change(b); });
    QObject::connect(u.Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    QObject::connect(u.Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    QObject::connect(u.Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    QObject::connect(u.Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
    QObject::connect(u.Command5, &QPushButton::clicked, this, [this] { Command5_Click(); });
    QObject::connect(u.Command6, &QPushButton::clicked, this, [this] { Command6_Click(); });
    return w;
}

void Degree2Window::load() {
    ui().Command2->setVisible(false);
    ui().Command3->setVisible(false);
}

TrinomialBoxes Degree2Window::solverBoxes() {
    Degree2WindowUi& u = ui();
    return {text(u.Text1->text()), text(u.Text2->text()), text(u.Text3->text()), text(u.Text5->text())};
}

SolverView Degree2Window::solverView() {
    Degree2WindowUi& u = ui();
    const QWidget* w = &window();
    return {text(u.Label2->caption()), text(u.Label3->caption()),  text(u.Label4->caption()),
            text(u.Label5->caption()), u.Command2->isVisibleTo(w), u.Command3->isVisibleTo(w),
            u.Label4->isVisibleTo(w)};
}

void Degree2Window::showSolverView(const SolverView& view) {
    Degree2WindowUi& u = ui();
    u.Label2->setCaption(text(view.discriminant));
    u.Label3->setCaption(text(view.first));
    u.Label4->setCaption(text(view.second));
    u.Label5->setCaption(text(view.factorisation));
    u.Command2->setVisible(view.solutionsShown);
    u.Command3->setVisible(view.factorisationShown);
    u.Label4->setVisible(view.secondShown);
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
    Factorisation(program().numbers(), text(ui().Text1->text()), view);
    showSolverView(view);
}

void Degree2Window::Command4_Click() {
    Degree2WindowUi& u = ui();
    if (const auto value = trinomialValue(program().numbers(), text(u.Text1->text()), text(u.Text2->text()),
                                          text(u.Text3->text()), text(u.Text4->text())))
        u.Label8[0]->setCaption(text(program().numbers().numberText(*value)));
}

void Degree2Window::Command5_Click() {
    Degree2WindowUi& u = ui();
    const Variation v =
        variationOf(program().numbers(), text(u.Text1->text()), text(u.Text2->text()), text(u.Text3->text()));
    if (v.arrows == Variation::Arrows::DownThenUp) {
        placeLine(u.Line1, 2640, 4800, 4320, 6240);
        placeLine(u.Line2, 4560, 6240, 6480, 4800);
    } else if (v.arrows == Variation::Arrows::UpThenDown) {
        placeLine(u.Line1, 2640, 6240, 4320, 4800);
        placeLine(u.Line2, 4560, 4800, 6480, 6240);
    }
    if (v.vertex)
        u.Label11->setCaption(text(*v.vertex));
}

void Degree2Window::Command6_Click() {
    TracerCourbe(program(), 2);
}

void Degree2Window::CoefficientBox_Change(TextBox* box) {
    Degree2WindowUi& u = ui();
    for (Label* l : {u.Label2, u.Label3, u.Label4, u.Label5})
        l->setCaption(QString());
    u.Label4->setVisible(true);
    u.Command2->setVisible(false);
    u.Command3->setVisible(false);
    Mod_Verif::filterBox(program(), box, Mod_Verif::VerifSigne);
}
