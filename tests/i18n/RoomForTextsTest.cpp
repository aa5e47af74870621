#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <map>

#include "qt/dialogs/TAboutDialog.h"
#include "qt/dialogs/TOptionsDialog.h"
#include "qt/dialogs/TemplateScale.h"
#include "qt/dialogs/TitledGroupBox.h"
#include "i18n/InstalledLanguage.h"

// Run at 96 and at 120 dots per inch (QT_FONT_DPI), in every shipped language: no text of the
// two dialogs may be cut, and English keeps the template's geometry.

namespace {

constexpr int Huge = 1 << 20;

QRect TextRect(const QWidget& control, const QString& text, int flags = Qt::TextShowMnemonic) {
    return control.fontMetrics().boundingRect(QRect(0, 0, Huge, Huge), flags, text);
}

// Where the control's style lets its text show, in the control's coordinates.
QRect TextArea(const QWidget& control) {
    if (const auto* box = qobject_cast<const QCheckBox*>(&control)) {
        QStyleOptionButton option;
        option.initFrom(box);
        option.text = box->text();
        return box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
    }
    if (const auto* button = qobject_cast<const QPushButton*>(&control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        if (button->autoDefault() || button->isDefault()) {
            option.features |= QStyleOptionButton::AutoDefaultButton;
        }
        return button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    }
    if (const auto* combo = qobject_cast<const QComboBox*>(&control)) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        return combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                              QStyle::SC_ComboBoxEditField, combo);
    }
    return control.contentsRect();
}

// Each text the control shows, with the flags it is drawn with.
std::vector<std::pair<QString, int>> ShownTexts(const QWidget& control) {
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        const int wrap = label->wordWrap() ? Qt::TextWordWrap : 0;
        return {{label->text(), Qt::TextShowMnemonic | wrap}};
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(&control)) {
        return {{button->text(), Qt::TextShowMnemonic}};
    }
    if (const auto* combo = qobject_cast<const QComboBox*>(&control)) {
        std::vector<std::pair<QString, int>> items;
        for (int i = 0; i < combo->count(); ++i) {
            items.emplace_back(combo->itemText(i), 0);
        }
        return items;
    }
    return {};
}

void ExpectWhole(const QWidget& control, const std::string& where) {
    const std::string name = where + " " + control.objectName().toStdString();
    if (const auto* group = qobject_cast<const TitledGroupBox*>(&control)) {
        const QRect title = group->TitleRect();
        EXPECT_LE(title.right() + title.left(), group->width() - 1) << name << " title is cut";
        return;
    }
    const QRect area = TextArea(control);
    for (const auto& [text, flags] : ShownTexts(control)) {
        // A wrapping label wraps at its own width; the others must take the text in one line.
        const QRect needed =
            (flags & Qt::TextWordWrap) != 0
                ? control.fontMetrics().boundingRect(QRect(0, 0, area.width(), Huge), flags, text)
                : TextRect(control, text, flags);
        EXPECT_LE(needed.width(), area.width()) << name << ": \"" << text.toStdString() << "\"";
        EXPECT_LE(needed.height(), area.height() + 2)
            << name << ": \"" << text.toStdString() << "\" is cut at the bottom";
    }
}

// Every control inside its parent, and none overlapping a sibling.
void ExpectLaidOutCleanly(const QWidget& parent, const std::string& where) {
    const QList<QWidget*> children = parent.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (const QWidget* child : children) {
        if (child->objectName().startsWith(QLatin1String("qt_"))) {
            continue;
        }
        EXPECT_TRUE(parent.rect().contains(child->geometry()))
            << where << " " << child->objectName().toStdString() << " sticks out";
        for (const QWidget* other : children) {
            const bool decoration = other->objectName() == QLatin1String("Bevel1") ||
                                    child->objectName() == QLatin1String("Bevel1");
            if (other != child && !decoration &&
                !other->objectName().startsWith(QLatin1String("qt_"))) {
                EXPECT_FALSE(child->geometry().intersects(other->geometry()))
                    << where << " " << child->objectName().toStdString() << " overlaps "
                    << other->objectName().toStdString();
            }
        }
    }
}

void ExpectEveryTextWhole(const QWidget& dialog, const std::string& where) {
    for (const QWidget* control : dialog.findChildren<QWidget*>()) {
        ExpectWhole(*control, where);
    }
    ExpectLaidOutCleanly(dialog, where);
    for (const QWidget* group : dialog.findChildren<TitledGroupBox*>()) {
        ExpectLaidOutCleanly(*group, where + " " + group->objectName().toStdString());
    }
}

std::string Where(const QString& language) {
    return language.toStdString() + " at " +
           std::to_string(qEnvironmentVariableIntValue("QT_FONT_DPI")) + " dpi";
}

}  // namespace

TEST(RoomForTexts, EveryTextOfTheOptionsDialogShowsWholeInEveryLanguage) {
    for (const QString& language : ShippedLanguages()) {
        const InstalledLanguage installed(language);
        const TOptionsDialog dialog;
        ExpectEveryTextWhole(dialog, "Options " + Where(language));
    }
}

TEST(RoomForTexts, EveryTextOfTheAboutBoxShowsWholeInEveryLanguage) {
    for (const QString& language : ShippedLanguages()) {
        const InstalledLanguage installed(language);
        const TAboutDialog about;
        ExpectEveryTextWhole(about, "About " + Where(language));
    }
}

TEST(RoomForTexts, EnglishKeepsTheTemplatesGeometry) {
    const InstalledLanguage english(QStringLiteral("en"));
    const TOptionsDialog dialog;
    ExpectEveryTextWhole(dialog, Where(QStringLiteral("en")));
    const double scale = TemplateScale(dialog);
    const auto scaled = [scale](int x, int y, int w, int h) {
        return QRect(ScaledFromTemplate(x, scale), ScaledFromTemplate(y, scale),
                     ScaledFromTemplate(w, scale), ScaledFromTemplate(h, scale));
    };
    const std::map<QString, QRect> expected = {
        {"Button1", scaled(335, 18, 97, 33)},
        {"Button2", scaled(336, 56, 97, 33)},
        {"Button3", scaled(336, 104, 97, 33)},
        {"Group1_GroupBox1", scaled(16, 16, 297, 217)},
        {"Group1_Label1", scaled(16, 24, 129, 25)},
        {"Group1_Label5", scaled(16, 184, 129, 25)},
        {"Group1_Edit1", scaled(152, 24, 129, 26)},
        {"Group1_Edit4", scaled(152, 120, 129, 26)},
        {"Group1_CheckBox1", scaled(16, 152, 265, 25)},
        {"Group1_ComboBox1", scaled(152, 184, 129, 26)},
        {"Group2_GroupBox2", scaled(16, 240, 297, 153)},
        {"Group2_CheckBox4", scaled(16, 120, 265, 25)},
    };
    for (const auto& [name, rect] : expected) {
        const auto* control = dialog.findChild<QWidget*>(name);
        ASSERT_NE(control, nullptr) << name.toStdString();
        EXPECT_EQ(control->geometry(), rect) << name.toStdString();
    }
    EXPECT_EQ(dialog.size(), QSize(ScaledFromTemplate(449, scale), ScaledFromTemplate(409, scale)));
}

TEST(RoomForTexts, ALongerTextGrowsItsControlAndTheDialogNeverShrinks) {
    QSize english;
    {
        const InstalledLanguage installed(QStringLiteral("en"));
        english = TOptionsDialog().size();
    }
    const InstalledLanguage german(QStringLiteral("de"));
    const TOptionsDialog dialog;
    // "Geschwindigkeit:" needs more than the template's label column at either density.
    EXPECT_GT(dialog.width(), english.width());
    EXPECT_EQ(dialog.height(), english.height());
    const auto* label = dialog.findChild<QLabel*>(QStringLiteral("Group1_Label3"));
    const auto* edit = dialog.findChild<QWidget*>(QStringLiteral("Group1_Edit3"));
    EXPECT_LT(label->geometry().right(), edit->x());
}
