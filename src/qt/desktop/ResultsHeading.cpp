#include "qt/desktop/ResultsHeading.h"

#include "qt/desktop/QtTranslator.h"
#include "shell/ShellTexts.h"

QString ResultsHeading::Shown(const std::string& stored) {
    return QString::fromStdString(ShownHeading(stored, QtTranslator()));
}

std::string ResultsHeading::Stored(const QString& shown) {
    return StoredHeading(shown.toStdString(), QtTranslator());
}
