// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "primes/program_listing_window.h"

namespace {
using namespace ui;

constexpr int kWidth = 6300;
// Every line may run to this margin; its left edge is the depth of its block (120 for the
// function's first and last lines, then 360, 600, 720 and 960).
constexpr int kRight = kWidth - 120;
const FontSpec kCode{.points = 9.75};

// Lines that come back several times are items of an array.
const Array<Label> Label5{"Label5"};   // "Exit Function"
const Array<Label> Label6{"Label6"};   // "End If"
const Array<Label> Label13{"Label13"}; // "Premier = False" inside the loop

// The lines from top to bottom.
const ControlRow kControls[] = {
    {.control = label("Label1"),
     .caption = "Public Function Premier(n As Long) As Boolean",
     .rect = {120, 120, kRight - 120, 255},
     .font = kCode},
    {.control = label("Label2"),
     .caption = "Premier = True",
     .rect = {360, 480, kRight - 360, 255},
     .font = kCode},
    {.control = label("Label3"),
     .caption = "If n = 1 Or n = 0 Then",
     .rect = {360, 840, kRight - 360, 255},
     .font = kCode},
    {.control = label("Label4"),
     .caption = "Premier = False",
     .rect = {600, 1080, kRight - 600, 255},
     .font = kCode},
    {.control = Label5[0], .caption = "Exit Function", .rect = {600, 1320, kRight - 600, 255}, .font = kCode},
    {.control = Label6[0], .caption = "End If", .rect = {360, 1560, kRight - 360, 255}, .font = kCode},
    {.control = label("Label7"),
     .caption = "If n = 2 Or n = 3 Or n = 5 Or n = 7 Or n = 11 Or n = 13 Then",
     .rect = {360, 1920, kRight - 360, 255},
     .font = kCode},
    {.control = Label5[1], .caption = "Exit Function", .rect = {600, 2160, kRight - 600, 255}, .font = kCode},
    {.control = Label6[1], .caption = "End If", .rect = {360, 2400, kRight - 360, 255}, .font = kCode},
    {.control = label("Label8"),
     .caption = "For i = 1 To ((Sqr(n)) / 6) + 1",
     .rect = {360, 2880, kRight - 360, 255},
     .font = kCode},
    {.control = label("Label9"),
     .caption = "DoEvents",
     .rect = {720, 3120, kRight - 720, 255},
     .font = kCode},
    {.control = label("Label10"),
     .caption = "If (n And 1) = 0 Then",
     .rect = {720, 3360, kRight - 720, 255},
     .font = kCode},
    {.control = label("Label11"),
     .caption = "Premier = False",
     .rect = {960, 3600, kRight - 960, 255},
     .font = kCode},
    {.control = Label5[2], .caption = "Exit Function", .rect = {960, 3840, kRight - 960, 255}, .font = kCode},
    {.control = Label6[2], .caption = "End If", .rect = {720, 4080, kRight - 720, 255}, .font = kCode},
    {.control = label("Label12"),
     .caption = "If n Mod 3 = 0 Then",
     .rect = {720, 4440, kRight - 720, 375},
     .font = kCode},
    {.control = Label13[0],
     .caption = "Premier = False",
     .rect = {960, 4680, kRight - 960, 255},
     .font = kCode},
    {.control = Label5[3], .caption = "Exit Function", .rect = {960, 4920, kRight - 960, 255}, .font = kCode},
    {.control = Label6[3], .caption = "End If", .rect = {720, 5160, kRight - 720, 255}, .font = kCode},
    {.control = label("Label14"),
     .caption = "If n Mod (6 * i - 1) = 0 Then",
     .rect = {720, 5520, kRight - 720, 255},
     .font = kCode},
    {.control = Label13[1],
     .caption = "Premier = False",
     .rect = {960, 5760, kRight - 960, 255},
     .font = kCode},
    {.control = Label5[4], .caption = "Exit Function", .rect = {960, 6000, kRight - 960, 255}, .font = kCode},
    {.control = Label6[4], .caption = "End If", .rect = {720, 6240, kRight - 720, 255}, .font = kCode},
    {.control = label("Label15"),
     .caption = "If n Mod (6 * i + 1) = 0 Then",
     .rect = {720, 6600, kRight - 720, 255},
     .font = kCode},
    {.control = Label13[2],
     .caption = "Premier = False",
     .rect = {960, 6840, kRight - 960, 255},
     .font = kCode},
    {.control = Label5[5], .caption = "Exit Function", .rect = {960, 7080, kRight - 960, 255}, .font = kCode},
    {.control = Label6[5], .caption = "End If", .rect = {720, 7320, kRight - 720, 255}, .font = kCode},
    {.control = label("Label16"), .caption = "Next i", .rect = {360, 7680, kRight - 360, 255}, .font = kCode},
    {.control = label("Label17"),
     .caption = "End Function",
     .rect = {120, 8160, kRight - 120, 255},
     .font = kCode},
};

} // namespace

const WindowDescription ProgramListingWindow::description{
    .name = "b_Prem_prog",
    .title = "Prem_prog",
    .border = FormWindow::Border::FixedSingle,
    .width = kWidth,
    .height = 8535,
    .backColor = Colour::system(QPalette::HighlightedText),
    .controls = kControls,
};
