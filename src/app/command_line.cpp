// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include <algorithm>
#include <iterator>

#ifndef NS_VERSION
#define NS_VERSION "0"
#endif

namespace {
// Qt's own help and error texts follow the translations loaded, which are not loaded yet when the
// first reading runs: the texts are written out here, in French.
QString helpText(const QString& command) {
    return QStringLiteral("Utilisation : %1 [option]\n"
                          "Niveau Seconde : les mathématiques de seconde en exercices - nombres premiers,\n"
                          "équations et fonctions, probabilités, avec une aide et un lexique.\n"
                          "\n"
                          "Options :\n"
                          "  -h, --help     affiche cette aide et s'arrête\n"
                          "  -v, --version  affiche la version du programme et s'arrête\n")
        .arg(command);
}

// The options QGuiApplication and QApplication take for themselves, as their documentation lists
// them, and whether each takes a value (as the next argument or after '=').
struct QtOption {
    const char* name;
    bool takesValue;
};
constexpr QtOption kQtOptions[] = {
    {"platform", true},      {"platformpluginpath", true},
    {"platformtheme", true}, {"plugin", true},
    {"qmljsdebugger", true}, {"qwindowgeometry", true},
    {"qwindowicon", true},   {"qwindowtitle", true},
    {"session", true},       {"display", true},
    {"geometry", true},      {"name", true},
    {"title", true},         {"visual", true},
    {"style", true},         {"stylesheet", true},
    {"reverse", false},      {"widgetcount", false},
    {"nograb", false},       {"dograb", false},
    {"sync", false},         {"testability", false},
};

// The arguments without Qt's own options and their values.
QStringList withoutQtOptions(const QStringList& arguments) {
    QStringList kept;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == QLatin1String("--")) {
            kept << arguments.mid(i);
            break;
        }
        const QString name = a.startsWith(QLatin1String("--")) ? a.mid(2)
                             : a.startsWith(u'-')              ? a.mid(1)
                                                               : QString();
        const QString bare = name.section(u'=', 0, 0);
        const auto known = std::find_if(std::begin(kQtOptions), std::end(kQtOptions),
                                        [&](const QtOption& o) { return bare == QLatin1String(o.name); });
        if (i == 0 || name.isEmpty() || known == std::end(kQtOptions)) {
            kept << a;
            continue;
        }
        if (known->takesValue && !name.contains(u'='))
            ++i; // its value
    }
    return kept;
}

// The first option as the user typed it (without a value given with '='), for the refusal.
QString firstUnknownOption(const QStringList& arguments) {
    static const QStringList known{QStringLiteral("-h"), QStringLiteral("--help"), QStringLiteral("-v"),
                                   QStringLiteral("--version")};
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == QLatin1String("--"))
            break;
        if (a.startsWith(u'-') && a.size() > 1 && !known.contains(a))
            return a.section(u'=', 0, 0);
    }
    return {};
}

QString refusal(const QString& command, const QString& what) {
    return QStringLiteral("%1 : %2\nPour la liste des options : %1 --help\n").arg(command, what);
}
} // namespace

QString programVersion() {
    return QStringLiteral(NS_VERSION);
}

CommandLineAnswer readCommandLine(const QStringList& allArguments) {
    const QStringList arguments = withoutQtOptions(allArguments);
    const QString command =
        arguments.isEmpty() ? QStringLiteral("niveau-seconde") : QFileInfo(arguments.first()).fileName();
    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOption(help);
    parser.addOption(version);
    const bool parsed = parser.parse(arguments);

    // Asking for help or the version is answered even beside a mistake, as other programs do.
    if (parser.isSet(help))
        return {CommandLineAnswer::Action::Stop, 0, helpText(command), {}};
    if (parser.isSet(version))
        return {CommandLineAnswer::Action::Stop,
                0,
                QStringLiteral("Niveau Seconde %1\n").arg(programVersion()),
                {}};
    if (!parsed) {
        const QString option = firstUnknownOption(arguments);
        const QString what = option.isEmpty() ? QStringLiteral("option mal formée")
                                              : QStringLiteral("option inconnue « %1 »").arg(option);
        return {CommandLineAnswer::Action::Stop, 2, {}, refusal(command, what)};
    }
    if (!parser.positionalArguments().isEmpty())
        return {
            CommandLineAnswer::Action::Stop,
            2,
            {},
            refusal(command, QStringLiteral("argument inattendu « %1 » : le programme n'ouvre aucun fichier")
                                 .arg(parser.positionalArguments().first()))};
    return {};
}
