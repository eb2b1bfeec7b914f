// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "functions/rules/reference_functions.h"
#include "shell/form.h"

// The reference functions exercise: the pupil first matches each table of values to the curve of
// its function, then drags each function's label beside its curve, which reveals its table of
// variation. Everything can be done from the keyboard as well: Enter on a table then on a curve
// matches them; Enter on a label then on a curve drops the label there.
class ReferenceFunctionsWindow : public Form {
public:
    static const ui::WindowDescription description;
    static inline const ui::Ref<TextBox> helpBox{"Text_aide"};
    static inline const ui::Array<PictureBox> valueTables{"Picture_tab_val"};
    static inline const ui::Array<PictureBox> curves{"Picture_ft"};
    static inline const ui::Array<PictureBox> variationTables{"Picture_tab_variation"};
    static inline const ui::Array<Label> functionLabels{"Label_ft_ref"};

    explicit ReferenceFunctionsWindow(Program& program);
    ~ReferenceFunctionsWindow() override;

    void selectTable(int i);
    void matchCurve(int i);
    void pickUpLabel(int i, int button, int shift, double x, double y);
    void dragLabel(int i, int button, int shift, double x, double y);
    void dropLabel(int i, int button, int shift, double x, double y);
    // Enter on a curve: in the first stage as a click on it; in the second, the chosen label is
    // dropped on it, with the result a drop there by the mouse gives.
    void chooseCurve(int i);
    // Enter on a label: that label is the one to place next; nothing: none is.
    void chooseLabel(std::optional<int> i);
    std::optional<int> chosenLabel() const { return m_chosenLabel; }

    const functions::Matching& matching() const { return m_matching; }
    const functions::LabelDrag& drag() const { return m_drag; }

protected:
    void load() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Puts a label being dragged back where its drag began.
    void cancelDrag();
    void endMatchingStage();
    void setUpKeyboard();
    // Drops label i with its top-left corner at `at`, as a drop of the mouse would.
    void dropLabelAt(int i, functions::Point at);

    functions::Matching m_matching;
    functions::LabelDrag m_drag;
    std::optional<int> m_chosenLabel;
    // The message box that ends the first stage is open: the labels take no drag meanwhile.
    bool m_messageOpen = false;
    // Counts the builds of the controls, so that a handler resumed after a message box knows
    // whether the window was closed and built afresh meanwhile.
    int m_builds = 0;
};
