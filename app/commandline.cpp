#include "app/commandline.h"

namespace commandline {

namespace {

const QString kHelpHint = QStringLiteral("Nápovědu vypíše „vokab --help“.");

bool isHelp(const QString &argument) {
    return argument == QStringLiteral("--help") || argument == QStringLiteral("-h");
}

bool isVersion(const QString &argument) {
    return argument == QStringLiteral("--version") || argument == QStringLiteral("-v");
}

Options failure(const QString &text) {
    Options options;
    options.action = Options::Action::Error;
    options.error = text + u'\n' + kHelpHint;
    return options;
}

} // namespace

Options parse(const QStringList &arguments, bool beforeQt) {
    Options options;
    bool onlyFiles = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (onlyFiles || !argument.startsWith(u'-') || argument == QStringLiteral("-")) {
            if (beforeQt)
                continue;
            if (!options.dictionary.isEmpty())
                return failure(QStringLiteral("Lze otevřít jen jeden slovník."));
            options.dictionary = argument;
        } else if (argument == QStringLiteral("--")) {
            onlyFiles = true;
        } else if (isHelp(argument)) {
            options.action = Options::Action::Help;
            return options;
        } else if (isVersion(argument)) {
            options.action = Options::Action::Version;
            return options;
        } else if (argument == QStringLiteral("--program-dir")) {
            if (i + 1 >= arguments.size() && !beforeQt)
                return failure(QStringLiteral("Volbě --program-dir chybí složka."));
            ++i;
        } else if (argument.startsWith(QStringLiteral("--program-dir="))) {
        } else if (argument == QStringLiteral("--benchmark-start")) {
            options.benchmarkStart = true;
        } else if (argument == QStringLiteral("--benchmark-open")) {
            options.benchmarkOpen = true;
        } else if (!beforeQt) {
            return failure(QStringLiteral("Neznámá volba „%1“.").arg(argument));
        }
    }
    return options;
}

QString helpText() {
    return QStringLiteral(
        "Použití: vokab [VOLBY] [SLOVNÍK.slv]\n"
        "\n"
        "Vokab 2.20 – výuka a zkoušení slovíček cizího jazyka.\n"
        "Zadaný slovník se po úvodním okně otevře v Editoru výrazů.\n"
        "\n"
        "Volby:\n"
        "  -h, --help             vypíše tuto nápovědu a skončí\n"
        "  -v, --version          vypíše verzi programu a skončí\n"
        "  --program-dir SLOŽKA   data programu čte ze SLOŽKY (stejně jako proměnná\n"
        "                         prostředí VOKAB_PROGRAM_DIR)\n"
        "  --                     vše, co následuje, je jméno souboru\n"
        "\n"
        "Nastavení jsou v ~/.config/Vokab2/registry.ini, statistiky, slovníky a pracovní\n"
        "složky instalovaného programu v ~/.local/share/Vokab2/.\n");
}

QString versionText() {
    return QStringLiteral("Vokab 2.20\n"
                          "Licence: GNU GPL verze 2 nebo pozdější.\n");
}

} // namespace commandline
