// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "functions/reference_functions_window.h"

#include "shell/program.h"
#include "shell/toolkit/controls.h"
#include "shell/toolkit/keyboard_access.h"
#include "shell/toolkit/picture_box.h"

#include <QEvent>
#include <QKeyEvent>

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
    TwipsRect valueTable;
    TwipsRect curve;
    TwipsRect variationTable;
    TwipsRect label;
    const char* caption;
    const char* valuePicture;
    const char* curvePicture;
    const char* variationPicture;
    // What a screen reader says of each picture. The tables are named by their function's letter
    // and the curves by their place, and the curves are described by their shape, so that nothing
    // gives the matches away; the table of variation, shown once the match is made, names its
    // function.
    const char* valueName;
    const char* values;    // the two rows of the table, cell by cell
    const char* valueNote; // the note under the table, seen once the table is matched; may be empty
    const char* curveName;
    const char* curveShape;
    const char* variationName;
    const char* variation; // the rows of the table, arrows included
    const char* labelSpoken;
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
     .values = "x : -4 ; -3 ; -2 ; -1 ; -0,5 ; 0 ; 0,5 ; 1 ; 2 ; 3 ; 4. f(x) : 16 ; 9 ; 4 ; 1 ; 0,25 ; 0 ; "
               "0,25 ; 1 ; 4 ; 9 ; 16",
     .valueNote = "",
     .curveName = "Courbe 1",
     .curveShape =
         "Courbe en forme de U, symétrique par rapport à l'axe des ordonnées, passant par l'origine",
     .variationName = "Tableau de variation de f(x) = x au carré",
     .variation = "x de -4 à 0 : flèche descendante, f(x) décroît de 16 à 0 ; x de 0 à +4 : flèche "
                  "montante, f(x) croît de 0 à 16",
     .labelSpoken = "f(x) = x au carré"},
    {.valueTable = {0, 1440, 6600, 735},
     .curve = {360, 4680, 1695, 1815},
     .variationTable = {4320, 4680, 5730, 1530},
     .label = {3120, 480, 1500, 495},
     .caption = " f(x) = x3",
     .valuePicture = ":/functions/values_cube.svg",
     .curvePicture = ":/functions/curve_cube.svg",
     .variationPicture = ":/functions/variation_cube.svg",
     .valueName = "Tableau de valeurs de g(x)",
     .values = "x : -3 ; -2 ; -1 ; -0,5 ; 0 ; 0,5 ; 1 ; 2 ; 3. g(x) : -27 ; -8 ; -1 ; -0,13 ; 0 ; 0,13 ; 1 ; "
               "8 ; 27",
     .valueNote = "",
     .curveName = "Courbe 2",
     .curveShape =
         "Courbe toujours croissante, symétrique par rapport à l'origine, presque plate près de l'origine",
     .variationName = "Tableau de variation de g(x) = x au cube",
     .variation = "x de -3 à +3 : flèche montante, g(x) croît de -27 à +27",
     .labelSpoken = "f(x) = x au cube"},
    {.valueTable = {0, 480, 6615, 765},
     .curve = {240, 6720, 2055, 1455},
     .variationTable = {4320, 6600, 5730, 1530},
     .label = {1920, 1200, 1500, 495},
     .caption = " f(x) = Vx",
     .valuePicture = ":/functions/values_square_root.svg",
     .curvePicture = ":/functions/curve_square_root.svg",
     .variationPicture = ":/functions/variation_square_root.svg",
     .valueName = "Tableau de valeurs de h(x)",
     .values =
         "x : -2,5 ; -1 ; 0 ; 0,25 ; 1 ; 4 ; 9 ; 16. h(x) : interdite ; interdite ; 0 ; 0,5 ; 1 ; 2 ; 3 ; 4",
     .valueNote = "case barrée : valeurs interdites. Pourquoi? On ne peut pas calculer la racine carrée "
                  "d’un nombre négatif",
     .curveName = "Courbe 3",
     .curveShape =
         "Courbe partant de l'origine, croissante, de plus en plus lentement, seulement pour x positif",
     .variationName = "Tableau de variation de h(x) = racine carrée de x",
     .variation = "x de 0 à 16 : flèche montante, h(x) croît de 0 à 4",
     .labelSpoken = "f(x) = racine carrée de x"},
    {.valueTable = {6840, 480, 7320, 825},
     .curve = {240, 8400, 2175, 1695},
     .variationTable = {4320, 8520, 5730, 1530},
     .label = {3120, 1920, 1500, 495},
     .caption = " f(x) = 1/x",
     .valuePicture = ":/functions/values_inverse.svg",
     .curvePicture = ":/functions/curve_inverse.svg",
     .variationPicture = ":/functions/variation_inverse.svg",
     .valueName = "Tableau de valeurs de i(x)",
     .values = "x : -10 ; -5 ; -1 ; -0,5 ; -0,25 ; 0 ; 0,25 ; 0,5 ; 1 ; 5 ; 10. i(x) : -0,1 ; -0,2 ; -1 ; -2 "
               "; -4 ; "
               "interdite ; 4 ; 2 ; 1 ; 0,2 ; 0,1",
     .valueNote = "case barrée : valeurs interdites. Pourquoi? Car on ne sait pas diviser par zéro",
     .curveName = "Courbe 4",
     .curveShape = "Courbe en deux branches séparées par l'axe des ordonnées, l'une en haut à droite, "
                   "l'autre en bas à gauche",
     .variationName = "Tableau de variation de i(x) = 1 sur x",
     .variation = "x de -10 à 0 : flèche descendante, i(x) décroît de -0,1 à -∞ ; double barre sous 0, "
                  "valeur interdite ; x de 0 à +10 : flèche descendante, i(x) décroît de +∞ à 0,1",
     .labelSpoken = "f(x) = 1 sur x"},
};

// The reading order of the arrays' items, for Tab: the tables and the labels of the top band
// from the top left, the curves from the top down.
constexpr int kTableOrder[kFunctionCount] = {SquareRoot, Inverse, Cube, Square};
constexpr int kLabelOrder[kFunctionCount] = {Cube, SquareRoot, Square, Inverse};

const QString kLabelHint =
    QStringLiteral("Entrée pour la choisir, puis Entrée sur une courbe pour l'y placer.");

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
                        .accessibleName = QString::fromUtf8(f.valueName),
                        .handler = call(&W::selectTable, i)});
    }
    for (int i = 0; i < kFunctionCount; ++i) {
        const FunctionControls& f = kFunctions[i];
        rows.push_back({.control = W::curves[i],
                        .rect = f.curve,
                        .picture = f.curvePicture,
                        .accessibleName = QString::fromUtf8(f.curveName),
                        .handler = call(&W::matchCurve, i)});
    }
    for (int i = 0; i < kFunctionCount; ++i) {
        const FunctionControls& f = kFunctions[i];
        rows.push_back({.control = W::variationTables[i],
                        .rect = f.variationTable,
                        .picture = f.variationPicture,
                        .visible = false,
                        .accessibleName = QString::fromUtf8(f.variationName)});
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
    const TwipsRect r = twips::placeOf(&w);
    return {.left = float(r.left), .top = float(r.top)};
}

void moveTo(QWidget& w, Point p) {
    TwipsRect r = twips::placeOf(&w);
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
    m_chosenLabel.reset();
    m_messageOpen = false;
    TextBox& help = get(helpBox);
    TwipsRect r = twips::placeOf(&help);
    r.width = window().clientWidthTwips();
    twips::place(&help, r);
    help.setText(kMatchingHelp);
    window().installEventFilter(this);
    setUpKeyboard();
}

void ReferenceFunctionsWindow::setUpKeyboard() {
    for (int i = 0; i < kFunctionCount; ++i) {
        const FunctionControls& f = kFunctions[i];
        get(valueTables[i]).setAccessibleDescription(QString::fromUtf8(f.values));
        new KeyboardAccess(&get(valueTables[i]), {.activate = [this, i] { selectTable(i); }});
        get(curves[i]).setAccessibleDescription(QString::fromUtf8(f.curveShape));
        new KeyboardAccess(&get(curves[i]), {.activate = [this, i] { chooseCurve(i); }});
        // Shown once placed, a table of variation takes the focus only to be read.
        get(variationTables[i]).setAccessibleDescription(QString::fromUtf8(f.variation));
        new KeyboardAccess(&get(variationTables[i]), {});
        get(functionLabels[i]).setAccessibleName(QString::fromUtf8(f.labelSpoken));
        get(functionLabels[i]).setAccessibleDescription(kLabelHint);
        new KeyboardAccess(&get(functionLabels[i]),
                           {.activate = [this, i] { chooseLabel(i); },
                            .key =
                                [this, i](const QKeyEvent& key) {
                                    if (key.key() != Qt::Key_Escape || m_chosenLabel != i)
                                        return false;
                                    chooseLabel(std::nullopt);
                                    return true;
                                }});
    }
    std::vector<QWidget*> order{&get(helpBox)};
    for (int i : kTableOrder)
        order.push_back(&get(valueTables[i]));
    for (int i : kLabelOrder)
        order.push_back(&get(functionLabels[i]));
    for (int i = 0; i < kFunctionCount; ++i)
        order.push_back(&get(curves[i]));
    for (int i = 0; i < kFunctionCount; ++i)
        order.push_back(&get(variationTables[i]));
    for (std::size_t k = 1; k < order.size(); ++k)
        QWidget::setTabOrder(order[k - 1], order[k]);
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
    for (int k = 0; k < kFunctionCount; ++k) {
        get(valueTables[k]).setBorder(PictureBox::Border::Flat);
        if (auto* keys = KeyboardAccess::of(&get(valueTables[k])))
            keys->setSelected(k == i);
    }
    get(valueTables[i]).setBorder(PictureBox::Border::Raised);
    m_matching.selectTable(i);
    if (!m_matching.inDragStage())
        announce(QString::fromUtf8(kFunctions[i].valueName) + QStringLiteral(" choisi"));
}

void ReferenceFunctionsWindow::matchCurve(int i) {
    const std::optional<int> selected = m_matching.selected();
    const bool alreadyMatched = m_matching.isMatched(i);
    const Matching::Outcome outcome = m_matching.clickCurve(i);
    if (!m_matching.inDragStage() || outcome.stageOver) {
        const QString curve = QString::fromUtf8(kFunctions[i].curveName);
        if (outcome.matched)
            announce(QString::fromUtf8(kFunctions[i].valueName) + QStringLiteral(" placé à côté de la ") +
                     curve.toLower());
        else if (alreadyMatched)
            announce(curve + QStringLiteral(" : déjà associée à son tableau"));
        else if (!selected)
            announce(QStringLiteral("Choisissez d'abord un tableau de valeurs"));
        else
            announce(curve + QStringLiteral(" : ce n'est pas la courbe du ") +
                     QString::fromUtf8(kFunctions[*selected].valueName).replace(0, 1, QStringLiteral("t")));
    }
    if (outcome.matched) {
        if (auto* keys = KeyboardAccess::of(&get(valueTables[i])))
            keys->setSelected(false);
        PictureBox& table = get(valueTables[i]);
        moveTo(table, besideCurve(twips::placeOf(&get(curves[i]))));
        // Grows to the whole picture: the square-root and inverse tables reveal their note.
        table.setAutoSize(true);
        if (*kFunctions[i].valueNote)
            table.setAccessibleDescription(QString::fromUtf8(kFunctions[i].values) + QStringLiteral(". ") +
                                           QString::fromUtf8(kFunctions[i].valueNote));
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
    chooseLabel(std::nullopt);
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
        m_drag.release(i, button, positionOf(label), twips::placeOf(&get(curves[i])));
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

void ReferenceFunctionsWindow::chooseCurve(int i) {
    if (!m_matching.inDragStage()) {
        const bool wasMatched = m_matching.isMatched(i);
        matchCurve(i);
        if (!hasControls())
            return;
        // The result where the pupil can hear it: the table just matched, beside its curve, or the
        // first label once the tables have gone.
        if (m_matching.inDragStage()) {
            if (get(functionLabels[kLabelOrder[0]]).isVisible())
                get(functionLabels[kLabelOrder[0]]).setFocus(Qt::OtherFocusReason);
        } else if (!wasMatched && m_matching.isMatched(i)) {
            get(valueTables[i]).setFocus(Qt::OtherFocusReason);
        }
        return;
    }
    if (!m_chosenLabel)
        return;
    const int label = *m_chosenLabel;
    chooseLabel(std::nullopt);
    dropLabelAt(label, positionOf(get(curves[i])));
    if (!hasControls())
        return;
    const QString spoken = QString::fromUtf8(kFunctions[label].labelSpoken);
    const QString curveName = QString::fromUtf8(kFunctions[i].curveName).toLower();
    if (label == i)
        announce(spoken + QStringLiteral(" placée sous la ") + curveName);
    else
        announce(QStringLiteral("Ce n'est pas la ") + curveName + QStringLiteral(" : ") + spoken +
                 QStringLiteral(" reste à sa place"));
}

void ReferenceFunctionsWindow::chooseLabel(std::optional<int> i) {
    if (i && (m_messageOpen || m_drag.dragging() || get(functionLabels[*i]).isHidden()))
        return;
    if (m_chosenLabel == i)
        return;
    if (m_chosenLabel)
        if (auto* keys = KeyboardAccess::of(&get(functionLabels[*m_chosenLabel])))
            keys->setChosen(false);
    m_chosenLabel = i;
    if (i) {
        if (auto* keys = KeyboardAccess::of(&get(functionLabels[*i])))
            keys->setChosen(true);
        announce(QString::fromUtf8(kFunctions[*i].labelSpoken) + QStringLiteral(" choisie"));
    }
}

// The same steps as a drag of the mouse that ends with the label's corner at `at`, so that the
// drop follows the very same rule: on its own curve it snaps beside it and reveals its table of
// variation, anywhere else it stays where it was.
void ReferenceFunctionsWindow::dropLabelAt(int i, Point at) {
    Label& label = get(functionLabels[i]);
    if (m_messageOpen || label.isHidden() || m_drag.dragging())
        return;
    m_drag.press(i, 1, positionOf(label), 0, 0);
    const std::optional<LabelDrag::Drop> drop = m_drag.release(i, 1, at, twips::placeOf(&get(curves[i])));
    if (!drop)
        return;
    moveTo(label, drop->position);
    if (drop->placed) {
        PictureBox& variation = get(variationTables[i]);
        variation.show();
        variation.setFocus(Qt::OtherFocusReason);
    } else {
        label.setFocus(Qt::OtherFocusReason);
    }
}

// The controls outlive this part of the window: their keys and focus must no longer reach it.
ReferenceFunctionsWindow::~ReferenceFunctionsWindow() {
    if (hasControls())
        KeyboardAccess::releaseAll(&window());
}
