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

// The rows of the function, of the evaluation and of the solving, and the two results.
const FontSpec kLarge{13.5};
const FontSpec kBox{12};
const int kWidth = 4755;

QString spaces(int n) {
    return QString(n, QLatin1Char(' '));
}

} // namespace

Degree1Window::Degree1Window(Program& program)
    : FormOf(program, formName) {}

FormWindow* Degree1Window::buildControls() {
    auto* w =
        new FormWindow(formName, QStringLiteral("Eq_d1"), FormWindow::Border::FixedSingle, kWidth, 7305);
    w->setBackColor(colors::lightBlue);
    QWidget* c = w->client();
    m_ui = std::make_unique<Degree1WindowUi>();
    Degree1WindowUi& u = *m_ui;

    // F :  x -> a x + b
    u.Label3[0] = new Label(
        c, {QStringLiteral("Label3(0)"), QStringLiteral("F :  x ->"), {240, 285, 1095, 375}, kLarge});
    u.Text1 = new TextBox(c, QStringLiteral("Text1"), {1320, 240, 855, 420}, kBox);
    u.Label1 = new Label(
        c, {QStringLiteral("Label1"), QStringLiteral("x +") + spaces(17), {2220, 285, 2415, 375}, kLarge});
    u.Text2 = new TextBox(c, QStringLiteral("Text2"), {2640, 240, 1215, 420}, kBox);
    new Line(c, QStringLiteral("Line2"), 0, 780, kWidth, 780);

    // Calculer  F ( x0 ) =   then f(x0) on the line below
    u.Command2 = new Button(c, QStringLiteral("Command2"), QStringLiteral("Calculer"), {240, 900, 1095, 450});
    u.Label3[1] = new Label(c, {QStringLiteral("Label3(1)"),
                                QStringLiteral("F (") + spaces(12) + QStringLiteral(") ="),
                                {1560, 945, 1935, 375},
                                kLarge});
    u.Text4 = new TextBox(c, QStringLiteral("Text4"), {1920, 915, 840, 420}, kBox);
    u.Label4 = new Label(c, {QStringLiteral("Label4"), QString(), {600, 1380, 4035, 375}, kLarge});

    // Résoudre  F ( x ) = k   then the solution on the line below
    u.Command1 =
        new Button(c, QStringLiteral("Command1"), QStringLiteral("Résoudre"), {240, 1845, 1095, 450});
    u.Label3[2] = new Label(
        c, {QStringLiteral("Label3(2)"), QStringLiteral("F ( x ) ="), {1560, 1890, 1095, 375}, kLarge});
    u.Text3 = new TextBox(c, QStringLiteral("Text3"), {2640, 1860, 1215, 420}, kBox);
    u.Label2 = new Label(c, {QStringLiteral("Label2"), QString(), {600, 2325, 4035, 375}, kLarge});
    new Line(c, QStringLiteral("Line1"), 0, 2790, kWidth, 2790);

    // The table of variation; the arrow lies on the row separator until it is placed.
    new Line(c, QStringLiteral("Line3"), 360, 3000, 3840, 3000);
    new Line(c, QStringLiteral("Line5"), 360, 4440, 3840, 4440);
    new Line(c, QStringLiteral("Line7"), 360, 3000, 360, 4440);
    new Line(c, QStringLiteral("Line8"), 3840, 3000, 3840, 4440);
    new Line(c, QStringLiteral("Line4"), 360, 3360, 3840, 3360);
    new Line(c, QStringLiteral("Line6"), 840, 3000, 840, 4440);
    new Label(c, {QStringLiteral("Label5"), QStringLiteral("x"), {480, 3120, 255, 255}});
    new Label(c, {QStringLiteral("Label6"),
                  QStringLiteral("   -oo") + spaces(50) + QStringLiteral("+oo"),
                  {840, 3120, 3015, 255}});
    new Label(c, {QStringLiteral("Label7"), QStringLiteral("F"), {480, 3720, 255, 255}});
    u.Line9 = new Line(c, QStringLiteral("Line9"), 1200, 3360, 3600, 3360);
    u.Command3 = new Button(c, QStringLiteral("Command3"), QStringLiteral("Tableau de variation"),
                            {1080, 4620, 2595, 450});
    new Line(c, QStringLiteral("Line10"), 0, 5340, kWidth, 5340);

    // Tracé, with the ranges of the drawing
    u.Command4 = new Button(c, QStringLiteral("Command4"), QStringLiteral("Tracé"), {240, 5700, 1095, 1005});
    const char* rangeTexts[] = {"-5", "10", "-5", "10"};
    for (int row = 0; row < 2; ++row) {
        const int top = 5700 + row * 660;
        u.Label8[std::size_t(row)] =
            new Label(c, {QStringLiteral("Label8(%1)").arg(row),
                          row == 0 ? QStringLiteral("RANGE X") : QStringLiteral("RANGE Y"),
                          {1560, top + 60, 900, 255},
                          {8.25, true}});
        for (int col = 0; col < 2; ++col) {
            const int i = row * 2 + col;
            u.Text_range[std::size_t(i)] =
                new TextBox(c, QStringLiteral("Text_range(%1)").arg(i), {2520 + col * 1080, top, 975, 345});
            u.Text_range[std::size_t(i)]->setText(QString::fromLatin1(rangeTexts[i]));
        }
    }

    u.Text1->setText(QStringLiteral("1"));
    u.Text2->setText(QStringLiteral("0"));
    u.Text3->setText(QStringLiteral("0"));
    u.Text4->setText(QStringLiteral("0"));

    QObject::connect(u.Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    QObject::connect(u.Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    QObject::connect(u.Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    QObject::connect(u.Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
    QObject::connect(u.Text1, &QLineEdit::textChanged, this, [this] { Text1_Change(); });
    QObject::connect(u.Text2, &QLineEdit::textChanged, this, [this] { Text2_Change(); });
    QObject::connect(u.Text3, &QLineEdit::textChanged, this, [this] { Text3_Change(); });
    QObject::connect(u.Text4, &QLineEdit::textChanged, this, [this] { Text4_Change(); });
    return w;
}

void Degree1Window::Command1_Click() {
    const NumberFormat& f = program().numbers();
    auto number = [&](TextBox* box) { return need(f.toDouble(box->text().toStdString())); };
    SkipOnError run;
    if (run.test([&] { return number(ui().Text1) != 0; }))
        run.step([&] {
            const double x = need(affine::solve(number(ui().Text1), number(ui().Text2), number(ui().Text3)));
            ui().Label2->setCaption(QStringLiteral("x = ") + QString::fromStdString(f.numberText(x)));
        });
}

void Degree1Window::Command2_Click() {
    const NumberFormat& f = program().numbers();
    const auto a = f.toDouble(ui().Text1->text().toStdString());
    const auto b = f.toDouble(ui().Text2->text().toStdString());
    const auto x0 = f.toDouble(ui().Text4->text().toStdString());
    if (!a || !b || !x0)
        return;
    if (const auto y = affine::valueAt(*a, *b, *x0))
        ui().Label4->setCaption(QString::fromStdString(f.numberText(*y)));
}

void Degree1Window::Command3_Click() {
    if (ui().Text1->text().isEmpty())
        return;
    const auto a = program().numbers().toDouble(ui().Text1->text().toStdString());
    if (!a)
        return;
    const affine::Arrow arrow = affine::arrowFor(*a);
    ui().Line9->setEnds(arrow.x1, arrow.y1, arrow.x2, arrow.y2);
}

void Degree1Window::Command4_Click() {
    TracerCourbe(program(), 1);
}

// A coefficient box keeps only the longest beginning of its text that is a number. The shortened
// text is set once: the change that follows finds a number, or an empty box, and stops there.
void Degree1Window::trimToNumber(TextBox* box) {
    const std::string text = box->text().toStdString();
    if (text.empty() || program().numbers().toDouble(text))
        return;
    box->setText(QString::fromStdString(affine::longestNumberPrefix(program().numbers(), text)));
}

void Degree1Window::Text1_Change() {
    trimToNumber(ui().Text1);
}

void Degree1Window::Text2_Change() {
    trimToNumber(ui().Text2);
}

void Degree1Window::Text3_Change() {
    Mod_Verif::filterBox(program(), ui().Text3, Mod_Verif::VerifSigne);
}

void Degree1Window::Text4_Change() {
    Mod_Verif::filterBox(program(), ui().Text4, Mod_Verif::VerifSigne);
}
