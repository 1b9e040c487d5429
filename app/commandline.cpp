#include "app/commandline.h"

#include "core/textfile.h"
#include "dictionary/slovnik.h"
#include "exchange/importexport.h"
#include "exchange/kvtml.h"

#include <QDir>
#include <QFileInfo>

#include <optional>

namespace commandline {

namespace {

const QString kHelpHint = QStringLiteral("Nápovědu vypíše „vokab --help“.");

bool isHelp(const QString &argument) {
    return argument == QStringLiteral("--help") || argument == QStringLiteral("-h");
}

bool isVersion(const QString &argument) {
    return argument == QStringLiteral("--version") || argument == QStringLiteral("-v");
}

Failure failure(const QString &text) {
    return Failure{text + u'\n' + kHelpHint};
}

// A value option ("--output FILE" or "--output=FILE"): its value, or nothing when the
// argument is another option. `i` moves past a value given as the next argument.
std::optional<QString> valueOption(const QStringList &arguments, qsizetype &i, const QString &name,
                                   bool *missing) {
    const QString &argument = arguments[i];
    if (argument.startsWith(name + u'='))
        return argument.mid(name.size() + 1);
    if (argument != name)
        return std::nullopt;
    if (i + 1 >= arguments.size()) {
        *missing = true;
        return QString();
    }
    return arguments[++i];
}

// The import and export options together: the action, or the error of a wrong mix.
Result<Options> checkConversion(Options options, bool importing, bool exporting) {
    if (importing && exporting)
        return failure(QStringLiteral("Volby --import a --export nelze použít zároveň."));
    if (!importing && !exporting) {
        for (const auto &[given, name] :
             {std::pair{!options.output.isEmpty(), "--output"}, std::pair{options.force, "--force"},
              std::pair{options.replace, "--replace"}}) {
            if (given)
                return failure(QStringLiteral("Volba %1 patří k volbě --import nebo --export.")
                                   .arg(QLatin1StringView(name)));
        }
        return options;
    }
    if (exporting && options.replace)
        return failure(QStringLiteral("Volba --replace patří k volbě --import."));
    if (options.output.isEmpty())
        return failure(importing ? QStringLiteral("K volbě --import patří --output SLOVNÍK.slv.")
                                 : QStringLiteral("K volbě --export patří --output SOUBOR."));
    if (!options.dictionary.isEmpty())
        return failure(QStringLiteral("Při importu a exportu se slovník „%1“ neotevírá.")
                           .arg(options.dictionary));
    options.action = importing ? Options::Action::Import : Options::Action::Export;
    return options;
}

} // namespace

Result<Options> parse(const QStringList &arguments, bool beforeQt) {
    Options options;
    bool onlyFiles = false;
    bool importing = false;
    bool exporting = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        bool missing = false;
        if (onlyFiles) {
        } else if (const auto value =
                       valueOption(arguments, i, QStringLiteral("--import"), &missing)) {
            if (missing)
                return failure(QStringLiteral("Volbě --import chybí soubor."));
            options.input = *value;
            importing = true;
            continue;
        } else if (const auto value =
                       valueOption(arguments, i, QStringLiteral("--export"), &missing)) {
            if (missing)
                return failure(QStringLiteral("Volbě --export chybí slovník."));
            options.input = *value;
            exporting = true;
            continue;
        } else if (const auto value =
                       valueOption(arguments, i, QStringLiteral("--output"), &missing)) {
            if (missing)
                return failure(QStringLiteral("Volbě --output chybí soubor."));
            options.output = *value;
            continue;
        } else if (argument == QStringLiteral("--force")) {
            options.force = true;
            continue;
        } else if (argument == QStringLiteral("--replace")) {
            options.replace = true;
            continue;
        }
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
    return checkConversion(options, importing, exporting);
}

QString helpText() {
    return QStringLiteral(
        "Použití: vokab [VOLBY] [SLOVNÍK.slv]\n"
        "         vokab --import SOUBOR --output SLOVNÍK.slv [--replace] [--force]\n"
        "         vokab --export SLOVNÍK.slv --output SOUBOR [--force]\n"
        "\n"
        "Vokab 2.20 – výuka a zkoušení slovíček cizího jazyka.\n"
        "Zadaný slovník se po úvodním okně otevře v Editoru výrazů.\n"
        "\n"
        "Volby:\n"
        "  -h, --help             vypíše tuto nápovědu a skončí\n"
        "  -v, --version          vypíše verzi programu a skončí\n"
        "  --program-dir SLOŽKA   data programu čte ze SLOŽKY (stejně jako proměnná\n"
        "                         prostředí VOKAB_PROGRAM_DIR)\n"
        "  --import SOUBOR --output SLOVNÍK.slv\n"
        "                         převede SOUBOR (.csv, .tsv, .txt nebo .kvtml z KWordQuiz\n"
        "                         a Parley) na slovník a skončí; okno ani displej nepotřebuje\n"
        "  --export SLOVNÍK.slv --output SOUBOR\n"
        "                         převede slovník na SOUBOR a skončí; formát určí přípona:\n"
        "                         .csv (UTF-8, čárky), .tsv (UTF-8, tabulátory), .kvtml\n"
        "  --force                přepíše existující výstupní soubor\n"
        "  --replace              při importu nahradí znaky, které slovník neumí uložit\n"
        "                         (kódování Windows-1250), nejbližším písmenem nebo „?“\n"
        "  --                     vše, co následuje, je jméno souboru\n"
        "\n"
        "Nastavení jsou v ~/.config/Vokab2/registry.ini, statistiky, slovníky a pracovní\n"
        "složky instalovaného programu v ~/.local/share/Vokab2/.\n");
}

namespace {

QString native(const QString &path) {
    return QDir::toNativeSeparators(path);
}

Conversion refused(const QString &text) {
    Conversion result;
    result.errors = text + u'\n';
    return result;
}

// Refuses to write over an existing file (a link too, even one that leads nowhere).
std::optional<Conversion> refuseExisting(const Options &options) {
    const QFileInfo output(options.output);
    if (!options.force && (output.exists() || output.isSymLink()))
        return refused(QStringLiteral("Soubor „%1“ už existuje. Přepsat ho lze volbou --force.")
                           .arg(native(options.output)));
    return std::nullopt;
}

Conversion importFile(const Options &options) {
    const std::optional<exchange::FileFormat> format = exchange::importFormatOf(options.input);
    if (!format)
        return refused(QStringLiteral("Soubor „%1“ nelze importovat: známé přípony jsou .csv, "
                                      ".tsv, .txt a .kvtml.")
                           .arg(native(options.input)));
    if (QFileInfo(options.output).suffix().toLower() != u"slv")
        return refused(QStringLiteral("Slovník se ukládá do souboru s příponou .slv, ne do „%1“.")
                           .arg(native(options.output)));
    if (std::optional<Conversion> existing = refuseExisting(options))
        return *existing;

    Tpole dictionary;
    qsizetype skipped = 0;
    QStringList droppedSounds;
    if (format == exchange::FileFormat::Kvtml) {
        const Result<exchange::KvtmlRead> read = exchange::readKvtmlFile(options.input);
        if (!read)
            return refused(read.error());
        dictionary = read->dictionary;
        skipped = read->skippedEntries;
        droppedSounds = read->droppedSounds;
    } else {
        const Result<exchange::DelimitedFile> file = exchange::readDelimitedFile(options.input);
        if (!file)
            return refused(file.error());
        const Result<exchange::Imported> imported = exchange::dictionaryOfTable(
            file->table, file->columns, QFileInfo(options.input).absolutePath());
        if (!imported)
            return refused(QStringLiteral("Soubor „%1“ nelze importovat: %2")
                               .arg(native(options.input), imported.error()));
        dictionary = imported->dictionary;
        skipped = imported->skippedRows;
        droppedSounds = imported->droppedSounds;
    }
    if (dictionary.isEmpty())
        return refused(QStringLiteral("V souboru „%1“ není žádný výraz s cizím i českým textem.")
                           .arg(native(options.input)));

    Conversion result;
    const QList<exchange::Replacement> unencodable = exchange::unencodableCharacters(dictionary);
    QStringList listed;
    for (const exchange::Replacement &r : unencodable)
        listed << QStringLiteral("  %1 → %2 (%3×)").arg(r.character, r.replacement).arg(r.count);
    if (!unencodable.isEmpty()) {
        if (!options.replace)
            return refused(
                QStringLiteral("Tyto znaky nelze uložit do slovníku (kódování Windows-1250):\n") +
                listed.join(u'\n') +
                QStringLiteral("\nVolba --replace je nahradí uvedenými znaky. Slovník nebyl "
                               "uložen."));
        dictionary = exchange::withReplacements(dictionary);
        result.output += QStringLiteral("Nahrazené znaky:\n") + listed.join(u'\n') + u'\n';
    }
    if (skipped > 0)
        result.errors +=
            QStringLiteral("Vynechané řádky bez cizího nebo českého výrazu: %1.\n").arg(skipped);
    if (!droppedSounds.isEmpty())
        result.errors += QStringLiteral("Tyto zvuky nejsou ve složce importovaného souboru, "
                                        "výrazy zůstaly bez zvuku:\n  ") +
                         droppedSounds.join(QStringLiteral("\n  ")) + u'\n';
    const Result<void> saved = dictionaryfile::writeDictionaryFile(options.output, dictionary);
    if (!saved)
        return refused(saved.error());
    result.output += QStringLiteral("Slovník „%1“ uložen, výrazů: %2.\n")
                         .arg(native(options.output))
                         .arg(dictionary.size());
    result.status = 0;
    return result;
}

Conversion exportFile(const Options &options) {
    const std::optional<exchange::FileFormat> format = exchange::exportFormatOf(options.output);
    if (!format)
        return refused(QStringLiteral("Formát exportu určí přípona .csv, .tsv nebo .kvtml; „%1“ "
                                      "žádnou z nich nemá.")
                           .arg(native(options.output)));
    if (std::optional<Conversion> existing = refuseExisting(options))
        return *existing;
    Result<dictionaryfile::Loaded> read =
        dictionaryfile::readDictionaryFile(options.input, dictionaryfile::Contents::Records);
    if (!read)
        return refused(read.error());
    Conversion result;
    if (read->looksUtf8) {
        // Another tool's dictionary in UTF-8: read as such, as the editor offers to.
        read = dictionaryfile::readDictionaryFile(options.input, dictionaryfile::Contents::Records,
                                                  {}, dictionaryfile::Encoding::Utf8);
        result.errors += QStringLiteral("Slovník „%1“ je v kódování UTF-8, byl přečten jako "
                                        "UTF-8.\n")
                             .arg(native(options.input));
        if (!read)
            return refused(read.error());
        if (!read->replaced.isEmpty())
            result.errors += QStringLiteral("Znaky, které Vokab neumí, se změnily na „?“: %1\n")
                                 .arg(read->replaced);
    }
    if (read->dictionary.isEmpty())
        return refused(QStringLiteral("Slovník „%1“ je prázdný, není co exportovat.")
                           .arg(native(options.input)));
    const Result<void> saved = exchange::exportDictionary(
        options.output, read->dictionary, *format, QFileInfo(options.input).completeBaseName());
    if (!saved)
        return refused(result.errors + saved.error());
    result.output += QStringLiteral("Slovník exportován do „%1“, výrazů: %2.\n")
                         .arg(native(options.output))
                         .arg(read->dictionary.size());
    result.status = 0;
    return result;
}

} // namespace

Conversion convert(const Options &options) {
    if (options.action == Options::Action::Import)
        return importFile(options);
    if (options.action == Options::Action::Export)
        return exportFile(options);
    return refused(QStringLiteral("Není co převést."));
}

QString versionText() {
    return QStringLiteral("Vokab 2.20\n"
                          "Licence: GNU GPL verze 2 nebo pozdější.\n");
}

} // namespace commandline
