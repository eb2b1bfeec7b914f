// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/toolkit/description.h"
#include "shell/toolkit/form_window.h"

#include "maths/rules/steps.h"

#include <QObject>
#include <QPointer>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class Program;

// One window of the program, for the whole run. Its window-level values are members of the
// concrete form and live as long as it does; its controls are built from its description when
// first needed and destroyed when the pupil closes the window, to be built afresh at the next use.
class Form : public QObject {
public:
    // The toolkit's controls, as the windows name them in their typed names (ui::Ref<Button>).
    using Button = ui::Button;
    using ChartView = ui::ChartView;
    using ComboBox = ui::ComboBox;
    using DrawingSurface = ui::DrawingSurface;
    using FormWindow = ui::FormWindow;
    using Frame = ui::Frame;
    using Image = ui::Image;
    using Label = ui::Label;
    using Line = ui::Line;
    using ListBox = ui::ListBox;
    using MultiLineTextBox = ui::MultiLineTextBox;
    using PictureBox = ui::PictureBox;
    using Shape = ui::Shape;
    using TabControl = ui::TabControl;
    using TabPage = ui::TabPage;
    using TextBox = ui::TextBox;
    using Timer = ui::Timer;

    Form(Program& program, const ui::WindowDescription& description);
    ~Form() override;

    const char* name() const { return m_description.name; }
    Program& program() const { return m_program; }

    // Shows the window (building its controls first if needed) and brings it to the front.
    void show();
    // Shows the window beside another one, on the screen and clear of it where there is room, and
    // of the program's other windows where it can; a window already shown stays where the pupil
    // has put it, and one whose layout centres it stays centred.
    void showBeside(Form& anchor);
    // Only the placing, for a window about to be shown some other way.
    void placeBeside(Form& anchor);
    // Shows the window and returns when it is hidden or closed; the other windows take no input meanwhile.
    void showModal();
    // Hides the window, building its controls first if needed; its contents stay.
    void hide();
    // As the title bar's close box: the controls are destroyed, window-level values stay.
    void closeByPupil();
    // Closes the window for the end of the program, without any reaction of its own.
    void closeForEnd();

    bool hasControls() const { return !m_window.isNull(); }
    bool isShown() const { return hasControls() && m_window->isVisible(); }
    // Access by code: the window with its controls, built (hidden) if absent.
    FormWindow& window();

    // A control of this window, built (hidden) if absent. Reached afresh after anything that lets
    // events run: a window closed meanwhile is then rebuilt, and no destroyed widget is touched.
    template <class T> T& get(const ui::Ref<T>& ref) {
        T* c = dynamic_cast<T*>(window().control(ref.name));
        if (!c)
            controlMissing(ref.name);
        return *c;
    }

    // The one bridge between the texts of the controls (QString) and the rules (UTF-8 standard
    // strings): a box's text, a label's caption, read or written.
    std::string textOf(const ui::Ref<TextBox>& box);
    std::string textOf(const ui::Ref<Label>& label);
    void setTextOf(const ui::Ref<TextBox>& box, std::string_view utf8);
    void setTextOf(const ui::Ref<Label>& label, std::string_view utf8);
    // A box's text as a number, read with the program's decimal separator; nothing when the box
    // does not hold a number.
    std::optional<double> numberIn(const ui::Ref<TextBox>& box);
    // Has screen readers say a phrase politely, with the results written at the same time.
    void announce(const QString& phrase);

    // The reasoning behind the window's last computation; the details window follows it when it
    // shows this window's reasoning. No steps (the boxes did not hold numbers) keep the last ones.
    void explain(maths::Steps steps);
    const maths::Steps& explanation() const { return m_explanation; }
    // "Détail" and F1: the details window shows this window's reasoning.
    void showDetails();
    static std::string toUtf8(const QString& text) { return text.toStdString(); }
    static QString fromUtf8(std::string_view utf8) {
        return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    }

protected:
    // Fits the texts of the controls just built to the fonts at hand.
    virtual void arrange() {}
    // The load step, run right after the controls are built.
    virtual void load() {}
    // A reaction of the window to the pupil's closing it, after its controls are gone.
    virtual void afterCloseByPupil() {}

private:
    void ensureControls();
    void discardWindow();
    [[noreturn]] void controlMissing(const QString& name) const;

    Program& m_program;
    const ui::WindowDescription& m_description;
    QPointer<FormWindow> m_window;
    // Windows already closed whose widgets may still be on the call stack of a suspended handler.
    std::vector<QPointer<FormWindow>> m_discarded;
    maths::Steps m_explanation;
};
