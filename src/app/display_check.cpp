// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/display_check.h"

#include <QApplication>
#include <QByteArray>
#include <QFileInfo>
#include <QProcessEnvironment>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {
// The platforms asked for, in the order Qt tries them ("wayland;xcb"), without their options
// ("xcb:nograb"); empty when nothing is asked and Qt takes its default.
QStringList requestedPlatforms(const QStringList& arguments, const QProcessEnvironment& environment) {
    QString request = environment.value(QStringLiteral("QT_QPA_PLATFORM"));
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if ((a == QLatin1String("-platform") || a == QLatin1String("--platform")) && i + 1 < arguments.size())
            request = arguments[++i];
        else if (a.startsWith(QLatin1String("-platform=")) || a.startsWith(QLatin1String("--platform=")))
            request = a.section(u'=', 1);
    }
    QStringList platforms;
    for (const QString& entry : request.split(u';', Qt::SkipEmptyParts))
        platforms << entry.section(u':', 0, 0).trimmed();
    return platforms;
}

bool needsDisplay(const QString& platform) {
    return platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland"));
}

QString valueOrUnset(const QProcessEnvironment& environment, const char* name) {
    const QString value = environment.value(QString::fromLatin1(name));
    return value.isEmpty() ? QStringLiteral("non défini") : value;
}

// While the application object is made: messages of the graphical platform are held back, and
// Qt's fatal message, sent when no platform could start, becomes a French one and status 1.
struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};
QtMessageHandler previousHandler = nullptr;
std::vector<HeldMessage>* heldMessages = nullptr;
QString platformFailureMessage;

void guardPlatformStart(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        std::fputs(platformFailureMessage.toUtf8().constData(), stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    if (context.category && QByteArray(context.category).startsWith("qt.qpa")) {
        heldMessages->push_back({type, context.category, text});
        return;
    }
    previousHandler(type, context, text);
}
} // namespace

QString missingDisplayMessage(const QStringList& arguments, const QProcessEnvironment& environment) {
    const QStringList platforms = requestedPlatforms(arguments, environment);
    for (const QString& platform : platforms)
        if (!needsDisplay(platform))
            return {};
    const auto isSet = [&](const char* name) {
        return !environment.value(QString::fromLatin1(name)).isEmpty();
    };
    if (isSet("DISPLAY") || isSet("WAYLAND_DISPLAY") || arguments.contains(QLatin1String("-display")) ||
        arguments.contains(QLatin1String("--display")))
        return {};
    // Without WAYLAND_DISPLAY, a Wayland client still finds the compositor's usual socket.
    const QString runtimeDirectory = environment.value(QStringLiteral("XDG_RUNTIME_DIR"));
    if (!runtimeDirectory.isEmpty() && QFileInfo::exists(runtimeDirectory + QStringLiteral("/wayland-0")))
        return {};
    return QStringLiteral("niveau-seconde : aucun écran n'est disponible : ni DISPLAY (X11) ni "
                          "WAYLAND_DISPLAY (Wayland) n'est défini.\n"
                          "Lancez le programme depuis une session graphique.\n");
}

std::unique_ptr<QApplication> openApplication(int& argc, char* argv[], const QStringList& arguments) {
    const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (const QString missing = missingDisplayMessage(arguments, environment); !missing.isEmpty()) {
        std::fputs(missing.toUtf8().constData(), stderr);
        return nullptr;
    }
    platformFailureMessage =
        QStringLiteral("niveau-seconde : impossible d'ouvrir une fenêtre : l'écran ne répond pas ou la "
                       "plate-forme graphique n'a pas pu démarrer (DISPLAY : %1, WAYLAND_DISPLAY : %2).\n"
                       "Vérifiez que la session graphique est ouverte et que le paquet qt6-qpa-plugins est "
                       "installé.\n")
            .arg(valueOrUnset(environment, "DISPLAY"), valueOrUnset(environment, "WAYLAND_DISPLAY"));
    std::vector<HeldMessage> held;
    heldMessages = &held;
    previousHandler = qInstallMessageHandler(guardPlatformStart);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previousHandler);
    heldMessages = nullptr;
    // The platform started: what it said on the way is still worth reading.
    for (const HeldMessage& message : held) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        previousHandler(message.type, context, message.text);
    }
    return application;
}
