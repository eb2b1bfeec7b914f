// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "practice/rules/worksheet.h"

#include <QString>

class QPagedPaintDevice;

// The worksheet and its answer key laid out on A4 pages, as vector text.
namespace worksheetDocument {

enum class Part { Sheet, Key, Both }; // Both: the key starts on a new page

// Paints the part of the worksheet on the device (a printer, a PDF file), page after page.
void paint(const practice::Worksheet& sheet, Part part, QPagedPaintDevice& device);

// Writes the part as a PDF file on A4 pages; false when the file cannot be written.
bool writePdf(const practice::Worksheet& sheet, Part part, const QString& path);

} // namespace worksheetDocument
