// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/toolkit/accessibility.h"

#include "shell/toolkit/form_window.h"
#include "shell/toolkit/frame.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QTimer>

namespace ui {

namespace {

constexpr std::chrono::milliseconds kQuietBetweenAnnouncements{1000};

// The announcer: a notification named by what it says.
class AnnouncerAccessible : public QAccessibleWidget {
public:
    explicit AnnouncerAccessible(Announcer* a)
        : QAccessibleWidget(a, QAccessible::Notification) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return static_cast<Announcer*>(widget())->lastSaid();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* toolkitAccessible(const QString& className, QObject* object) {
    auto* w = qobject_cast<QWidget*>(object);
    if (!w)
        return nullptr;
    if (className == QLatin1String(FormWindow::staticMetaObject.className()))
        return new QAccessibleWidget(w, QAccessible::Window);
    if (className == QLatin1String(Frame::staticMetaObject.className()))
        return new QAccessibleWidget(w, QAccessible::Grouping);
    if (className == QLatin1String(Announcer::staticMetaObject.className()))
        return new AnnouncerAccessible(static_cast<Announcer*>(w));
    return nullptr;
}

} // namespace

void installAccessibleFactories() {
    static const bool installed = [] {
        QAccessible::installFactory(toolkitAccessible);
        return true;
    }();
    Q_UNUSED(installed);
}

namespace {
std::function<void(QAccessibleEvent&)>& observer() {
    static std::function<void(QAccessibleEvent&)> f;
    return f;
}
} // namespace

bool screenReaderListening() {
    return QAccessible::isActive() || observer();
}

void notifyScreenReaders(QAccessibleEvent& event) {
    QAccessible::updateAccessibility(&event);
    if (observer())
        observer()(event);
}

void observeScreenReaderEvents(std::function<void(QAccessibleEvent&)> f) {
    observer() = std::move(f);
}

QuietForScreenReaders::QuietForScreenReaders()
    : m_previous(QAccessible::installUpdateHandler([](QAccessibleEvent*) {})) {}

QuietForScreenReaders::~QuietForScreenReaders() {
    QAccessible::installUpdateHandler(m_previous);
}

Announcer::Announcer(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("announcer"));
    // Takes no room, no click and no focus: only screen readers know it is there.
    setGeometry(0, 0, 0, 0);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    lower();
}

void Announcer::labelWritten(const QLabel* label, const QString& phrase) {
    for (Written& w : m_written)
        if (w.label == label) {
            w.phrase = phrase;
            schedule();
            return;
        }
    m_written.push_back({label, phrase});
    schedule();
}

void Announcer::say(const QString& phrase) {
    if (phrase.isEmpty())
        return;
    m_phrases.append(phrase);
    schedule();
}

void Announcer::schedule() {
    if (m_pending)
        return;
    m_pending = true;
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(m_lastFlush + kQuietBetweenAnnouncements -
                                                                   std::chrono::steady_clock::now());
    QTimer::singleShot(std::max(wait, std::chrono::milliseconds(0)), this, [this] { flush(); });
}

void Announcer::flush() {
    m_pending = false;
    QStringList changed;
    QStringList all;
    for (const Written& w : m_written) {
        if (!w.label)
            continue;
        const QString before = m_lastPhrase.value(w.label);
        m_lastPhrase.insert(w.label, w.phrase);
        if (w.phrase.isEmpty())
            continue;
        all.append(w.phrase);
        if (w.phrase != before)
            changed.append(w.phrase);
    }
    m_written.clear();
    // A phrase of the window's own says what the action did (the die's face, the point read):
    // it comes first, before the captions it changed.
    QStringList said = m_phrases;
    said.append(changed.isEmpty() ? all : changed);
    m_phrases.clear();
    if (said.isEmpty())
        return;
    m_lastFlush = std::chrono::steady_clock::now();
    m_said = said.join(QStringLiteral(". "));
    setAccessibleName(m_said);
    if (isHidden()) {
        QuietForScreenReaders quiet;
        show();
    }
    // Screen readers present a notification when it shows: it shows again with each phrase.
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    notifyScreenReaders(shown);
}

Announcer* announcerOf(QWidget* w) {
    QWidget* top = w->window();
    if (auto* a = top->findChild<Announcer*>(QString(), Qt::FindDirectChildrenOnly))
        return a;
    // Hidden until it first has something to say, as a window's own announcer is.
    auto* made = new Announcer(top);
    made->hide();
    return made;
}

} // namespace ui
