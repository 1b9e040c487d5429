#include "support/scripteddialogs.h"

void ScriptedDialogs::message(MessageKind kind, const QString &text, const QString &caption) {
    shown.append({kind, text, caption, false, {}});
    if (whileShowing)
        whileShowing(text);
}

bool ScriptedDialogs::question(MessageKind icon, const QString &text) {
    shown.append({icon, text, {}, true, {}});
    if (answers.empty()) {
        ++unexpected;
        return false;
    }
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

int ScriptedDialogs::choose(MessageKind icon, const QString &text, const QStringList &buttons,
                            int escape) {
    shown.append({icon, text, {}, true, buttons});
    if (whileChoosing)
        whileChoosing(text);
    if (choices.empty()) {
        ++unexpected;
        return escape;
    }
    const int answer = choices.front();
    choices.pop_front();
    return answer;
}

std::optional<QString> ScriptedDialogs::openFile(const FileDialogState &state) {
    fileDialogs.append(state);
    if (files.empty()) {
        ++unexpected;
        return std::nullopt;
    }
    // Built from the front without a copy of the optional: GCC's optimiser otherwise
    // warns that the copy may be uninitialised.
    const bool chosen = files.front().has_value();
    const QString path = chosen ? *files.front() : QString();
    files.pop_front();
    if (!chosen)
        return std::nullopt;
    return path;
}

std::optional<QString> ScriptedDialogs::saveFile(const FileDialogState &state) {
    return openFile(state);
}

std::optional<QColor> ScriptedDialogs::chooseColor(const QColor &) {
    if (colours.empty()) {
        ++unexpected;
        return std::nullopt;
    }
    auto answer = colours.front();
    colours.pop_front();
    return answer;
}

std::optional<QFont> ScriptedDialogs::chooseFont(const QFont &) {
    if (fonts.empty()) {
        ++unexpected;
        return std::nullopt;
    }
    auto answer = fonts.front();
    fonts.pop_front();
    return answer;
}

QStringList ScriptedDialogs::texts() const {
    QStringList result;
    for (const Shown &s : shown)
        result.append(s.text);
    return result;
}

void ScriptedDialogs::clear() {
    shown.clear();
    fileDialogs.clear();
    unexpected = 0;
}
