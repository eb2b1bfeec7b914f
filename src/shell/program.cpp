// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/program.h"

#include "shell/form.h"
#include "shell/splash.h"

Program::Program(WindowFactory windows, Services services)
    : m_makeWindow(windows)
    , m_services(std::move(services)) {}

Program::~Program() {
    // Windows go first: their widgets may still refer to the services.
    m_forms.clear();
}

void Program::start() {
    m_started = true;
    get<Splash>().show();
}

Form* Program::form(std::string_view name) {
    if (auto it = m_forms.find(name); it != m_forms.end())
        return it->second.get();
    std::unique_ptr<Form> made = m_makeWindow ? m_makeWindow(name, *this) : nullptr;
    if (!made)
        return nullptr;
    return m_forms.emplace(std::string(name), std::move(made)).first->second.get();
}

void Program::endProgram() {
    if (m_ended)
        return;
    m_ended = true;
    for (auto& [name, f] : m_forms)
        f->closeForEnd();
    if (m_services.endProcess)
        m_services.endProcess();
}

void Program::windowClosedByPupil() {
    if (!m_started || m_ended)
        return;
    for (auto& [name, f] : m_forms)
        if (f->isShown())
            return;
    endProgram();
}
