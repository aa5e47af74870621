#include "qt/desktop/QtTranslator.h"

#include <QCoreApplication>
#include <QLocale>

std::string QtTranslator::Translate(const GameText& text) const {
    return QCoreApplication::translate(text.Context, text.Source).toStdString();
}

std::string QtTranslator::TranslateCount(const GameText& text, int count) const {
    return QCoreApplication::translate(text.Context, text.Source, nullptr, count).toStdString();
}

std::string QtTranslator::DecimalPoint() const {
    return QLocale().decimalPoint().toStdString();
}
