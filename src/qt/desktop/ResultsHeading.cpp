#include "qt/desktop/ResultsHeading.h"

#include <QCoreApplication>

#include "settings/AppPlayOptions.h"

namespace {

const std::string& DefaultHeading() {
    static const std::string heading = AppPlayOptions{}.Message;
    return heading;
}

QString TranslatedDefault() {
    return QCoreApplication::translate("ResultsHeading", "Results");
}

}  // namespace

QString ResultsHeading::Shown(const std::string& stored) {
    if (stored == DefaultHeading()) {
        return TranslatedDefault();
    }
    return QString::fromStdString(stored);
}

std::string ResultsHeading::Stored(const QString& shown) {
    if (shown == TranslatedDefault()) {
        return DefaultHeading();
    }
    return shown.toStdString();
}
