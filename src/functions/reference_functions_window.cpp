// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "functions/reference_functions_window.h"

#include "shell/program.h"
#include "shell/toolkit/controls.h"
#include "shell/toolkit/picture_box.h"

#include <QEvent>

#include <cmath>
#include <vector>

namespace {
using namespace ui;
using namespace functions;
using W = ReferenceFunctionsWindow;

const QString kMatchingHelp =
    QStringLiteral("AIDE: Cliquer sur un tableau puis sur la courbe correspondante");
const QString kDraggingHelp = QStringLiteral("AIDE: Faire glisser les fonctions sous les courbes");
const QString kWellDone = QStringLiteral("THAT'S RIGHT !!! LET'S GO NEXT EXERCICE (without value tabs)");

// Everything the window shows of one function, in the order of the function indices.
struct FunctionControls {
    twips::Rect valueTable;
    twips::Rect curve;
    twips::Rect variationTable;
    twips::Rect label;
    const char* caption;
    const char* valuePicture;
    const char* curvePicture;
    const char* variationPicture;
    // The tables are named by their function's letter and the curves by their shape, so that a
    // screen reader does not give the matches away.
    const char* valueName;
    const char* curveName;
    const char* variationName;
};

const FunctionControls kFunctions[kFunctionCount] = {
    {.valueTable = {6840, 1440, 6600, 735},
     .curve = {240, 2400, 1935, 2055},
     .variationTable = {4440, 2520, 5595, 1740},
     .label = {4200, 1200, 1500, 495},
     .caption = " f(x) = x2",
     .valuePicture = ":/functions/values_square.svg",
     .curvePicture = ":/functions/curve_square.svg",
     .variationPicture = ":/functions/variation_square.svg",
     .valueName = "Tableau de valeurs de f(x)",
     .curveName = "Courbe en forme de U, symétrique par rapport à l'axe des ordonnées, passant par l'origine",
     .variationName = "Tableau de variation de f(x) = x au carré : décroissante de 16 à 0 pour x de -4 à 0, "
                      "croissante de 0 à 16 pour x de 0 à 4"},
    {.valueTable = {0, 1440, 6600, 735},
     .curve = {360, 4680, 1695, 1815},
     .variationTable = {4320, 4680, 5730, 1530},
     .label = {3120, 480, 1500, 495},
     .caption = " f(x) = x3",
     .valuePicture = ":/functions/values_cube.svg",
     .curvePicture = ":/functions/curve_cube.svg",
     .variationPicture = ":/functions/variation_cube.svg",
     .valueName = "Tableau de valeurs de g(x)",
     .curveName =
         "Courbe toujours croissante, symétrique par rapport à l'origine, presque plate près de l'origine",
     .variationName = "Tableau de variation de g(x) = x au cube : croissante de -27 à 27 pour x de -3 à 3"},
    {.valueTable = {0, 480, 6615, 765},
     .curve = {240, 6720, 2055, 1455},
     .variationTable = {4320, 6600, 5730, 1530},
     .label = {1920, 1200, 1500, 495},
     .caption = " f(x) = Vx",
     .valuePicture = ":/functions/values_square_root.svg",
     .curvePicture = ":/functions/curve_square_root.svg",
     .variationPicture = ":/functions/variation_square_root.svg",
     .valueName = "Tableau de valeurs de h(x)",
     .curveName =
         "Courbe partant de l'origine, croissante, de plus en plus lentement, seulement pour x positif",
     .variationName =
         "Tableau de variation de h(x) = racine carrée de x : croissante de 0 à 4 pour x de 0 à 16"},
    {.valueTable = {6840, 480, 7320, 825},
     .curve = {240, 8400, 2175, 1695},
     .variationTable = {4320, 8520, 5730, 1530},
     .label = {3120, 1920, 1500, 495},
     .caption = " f(x) = 1/x",
     .valuePicture = ":/functions/values_inverse.svg",
     .curvePicture = ":/functions/curve_inverse.svg",
     .variationPicture = ":/functions/variation_inverse.svg",
     .valueName = "Tableau de valeurs de i(x)",
     .curveName =
         "Courbe en deux branches séparées par l'axe des ordonnées, l'une en haut à droite, l'autre en "
         "bas à gauche",
     .variationName =
         "Tableau de variation de i(x) = 1 sur x : décroissante de -0,1 à moins l'infini pour x de "
         "-10 à 0, 0 interdit, décroissante de plus l'infini à 0,1 pour x de 0 à 10"},
};

const std::vector<ControlRow> kControls = [] {
    std::vector<ControlRow> rows = {
        {.control = W::helpBox,
         .caption = "Text1",
         .rect = {0, 0, 9975, 375},
         .font = {.points = 12, .bold = true},
         .readOnly = true,
         .accessibleName = "Aide"},
    };
    for (int i = 0; i < kFunctionCount; ++i) {
        const FunctionControls& f = kFunctions[i];
        rows.push_back({.control = W::valueTables[i],
                        .rect = f.valueTable,
                        .picture = f.valuePicture,
                        .accessibleName = f.valueName,
                        .handler = call(&W::selectTable, i)});
    }
    for (int i = 0; i < kFunctionCount; ++i) {
        const FunctionControls& f = kFunctions[i];
        rows.push_back({.control = W::curves[i],
                        .rect = f.curve,
                        .picture = f.curvePicture,
                        .accessibleName = f.curveName,
                        .handler = call(&W::matchCurve, i)});
    }
    for (int i = 0; i < kFunctionCount; ++i) {
        const FunctionControls& f = kFunctions[i];
        rows.push_back({.control = W::variationTables[i],
                        .rect = f.variationTable,
                        .picture = f.variationPicture,
                        .visible = false,
                        .accessibleName = f.variationName});
    }
    for (int i = 0; i < kFunctionCount; ++i) {
        const FunctionControls& f = kFunctions[i];
        rows.push_back({.control = W::functionLabels[i],
                        .caption = f.caption,
                        .rect = f.label,
                        .font = {.points = 13.5, .bold = true},
                        .backColor = colours::lightYellow,
                        .alignment = Qt::AlignLeft | Qt::AlignVCenter,
                        .visible = false,
                        .onMouseDown = call(&W::pickUpLabel, i),
                        .onMouseMove = call(&W::dragLabel, i),
                        .onMouseUp = call(&W::dropLabel, i)});
    }
    return rows;
}();

Point positionOf(const QWidget& w) {
    const twips::Rect r = twips::placeOf(&w);
    return {.left = float(r.left), .top = float(r.top)};
}

Box boxOf(const QWidget& w) {
    const twips::Rect r = twips::placeOf(&w);
    return {.left = float(r.left), .top = float(r.top), .width = float(r.width), .height = float(r.height)};
}

void moveTo(QWidget& w, Point p) {
    twips::Rect r = twips::placeOf(&w);
    r.left = int(std::lround(p.left));
    r.top = int(std::lround(p.top));
    twips::place(&w, r);
}

} // namespace

const WindowDescription ReferenceFunctionsWindow::description{
    .name = "Form3",
    .title = "Form3",
    .border = FormWindow::Border::FixedSingle,
    .width = 14385,
    .height = 10200,
    .backColor = colours::skyBlue,
    .accessibleName = "Les fonctions de référence : exercice",
    .controls = kControls,
};

ReferenceFunctionsWindow::ReferenceFunctionsWindow(Program& program)
    : Form(program, description) {}

// Each build of the controls starts the exercise afresh: every table back in place, none selected
// and none matched, so what the pupil sees and what the window counts agree.
void ReferenceFunctionsWindow::load() {
    ++m_builds;
    m_matching = {};
    m_drag = {};
    m_messageOpen = false;
    TextBox& help = get(helpBox);
    twips::Rect r = twips::placeOf(&help);
    r.width = window().clientWidthTwips();
    twips::place(&help, r);
    help.setText(kMatchingHelp);
    window().installEventFilter(this);
}

// A drag the pupil can no longer finish, the window gone to the background or out of sight, ends
// with the label back where it began.
bool ReferenceFunctionsWindow::eventFilter(QObject* watched, QEvent* event) {
    if ((event->type() == QEvent::WindowDeactivate || event->type() == QEvent::Hide) && hasControls() &&
        watched == &window())
        cancelDrag();
    return false;
}

void ReferenceFunctionsWindow::selectTable(int i) {
    for (int k = 0; k < kFunctionCount; ++k)
        get(valueTables[k]).setBorder(PictureBox::Border::Flat);
    get(valueTables[i]).setBorder(PictureBox::Border::Raised);
    m_matching.selectTable(i);
}

void ReferenceFunctionsWindow::matchCurve(int i) {
    const Matching::Outcome outcome = m_matching.clickCurve(i);
    if (outcome.matched) {
        PictureBox& table = get(valueTables[i]);
        moveTo(table, besideCurve(boxOf(get(curves[i]))));
        // Grows to the whole picture: the square-root and inverse tables reveal their note.
        table.setAutoSize(true);
    }
    if (outcome.stageOver)
        endMatchingStage();
}

void ReferenceFunctionsWindow::endMatchingStage() {
    cancelDrag();
    const int build = m_builds;
    m_messageOpen = true;
    program().message(kWellDone);
    m_messageOpen = false;
    // Closed while the box was open, the window starts the exercise again when it is next built.
    if (!hasControls() || build != m_builds)
        return;
    get(helpBox).setText(kDraggingHelp);
    for (int k = 0; k < kFunctionCount; ++k) {
        get(valueTables[k]).hide();
        get(functionLabels[k]).show();
    }
}

void ReferenceFunctionsWindow::pickUpLabel(int i, int button, int, double x, double y) {
    Label& label = get(functionLabels[i]);
    if (m_messageOpen || label.isHidden())
        return;
    m_drag.press(i, button, positionOf(label), float(x), float(y));
    if (m_drag.item() == i)
        label.raise(); // carried above the pictures
}

void ReferenceFunctionsWindow::dragLabel(int i, int button, int, double x, double y) {
    Label& label = get(functionLabels[i]);
    if (const std::optional<Point> to = m_drag.move(i, button, positionOf(label), float(x), float(y)))
        moveTo(label, *to);
}

void ReferenceFunctionsWindow::dropLabel(int i, int button, int, double, double) {
    Label& label = get(functionLabels[i]);
    const std::optional<LabelDrag::Drop> drop =
        m_drag.release(i, button, positionOf(label), boxOf(get(curves[i])));
    if (!drop)
        return;
    moveTo(label, drop->position);
    if (drop->placed)
        get(variationTables[i]).show();
}

void ReferenceFunctionsWindow::cancelDrag() {
    if (const std::optional<LabelDrag::Drop> back = m_drag.cancel())
        moveTo(get(functionLabels[back->item]), back->position);
}
