// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "practice/rules/worksheet.h"
#include "shell/form.h"

#include <optional>

// Makes a worksheet for a class: how many exercises of each kind, a level and a code; saves it
// as PDF with its answer key in a file of its own, or prints both.
class WorksheetWindow : public Form {
public:
    static const ui::WindowDescription description;
    explicit WorksheetWindow(Program& program)
        : Form(program, description) {}

    // One count box per kind, in the order of the kinds, with its label.
    static inline const ui::Array<TextBox> countBoxes{"Text1"};
    static inline const ui::Array<Label> kindLabels{"Label1"};
    static inline const ui::Ref<ComboBox> levelBox{"Combo1"};
    static inline const ui::Ref<TextBox> codeBox{"Text2"};
    static inline const ui::Ref<Button> saveButton{"Command1"};
    static inline const ui::Ref<Button> printButton{"Command2"};
    static inline const ui::Ref<Label> statusLabel{"Label2"};

    void save();
    void print();

protected:
    void load() override;

private:
    // The sheet the boxes ask for, or nothing with the reason written in the status label.
    std::optional<practice::Worksheet> requestedSheet();
};
