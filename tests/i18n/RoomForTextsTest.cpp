#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QXmlStreamReader>
#include <functional>
#include <map>
#include <vector>

#include "i18n/InstalledLanguage.h"
#include "qt/dialogs/TAboutDialog.h"
#include "qt/dialogs/TOptionsDialog.h"
#include "qt/dialogs/TemplateScale.h"

// Run at 96 and at 120 dots per inch (QT_FONT_DPI), in every shipped language: no text of the
// two dialogs may be cut, and English keeps the template's geometry. Whether a text shows whole
// is asked of the controls themselves: each draws itself as it is and with room to spare, and
// its text must leave the same ink in both.

namespace {

// One text a control shows, and how to put another in its place.
struct ShownText {
    QString Text;
    std::function<void(const QString&)> Show;
};

std::vector<ShownText> TextsOf(QWidget& control) {
    if (auto* label = qobject_cast<QLabel*>(&control)) {
        return {{label->text(), [label](const QString& text) { label->setText(text); }}};
    }
    if (auto* button = qobject_cast<QAbstractButton*>(&control)) {
        return {{button->text(), [button](const QString& text) { button->setText(text); }}};
    }
    if (auto* group = qobject_cast<QGroupBox*>(&control)) {
        return {{group->title(), [group](const QString& text) { group->setTitle(text); }}};
    }
    std::vector<ShownText> items;
    if (auto* combo = qobject_cast<QComboBox*>(&control)) {
        for (int i = 0; i < combo->count(); ++i) {
            items.push_back({combo->itemText(i), [combo, i](const QString& text) {
                                 combo->setCurrentIndex(i);
                                 combo->setItemText(i, text);
                             }});
        }
    }
    return items;
}

// The control alone, without its children, as it draws itself at its present size.
QImage Picture(QWidget& control) {
    QImage picture(control.size(), QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    control.render(&picture, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    return picture;
}

// The pixels the text changes when the control, drawn at `size`, shows it.
struct Ink {
    int Pixels = 0;
    QRect Box;  // around them
};

Ink TextInk(QWidget& control, const ShownText& shown, QSize size) {
    const QSize before = control.size();
    control.resize(size);
    shown.Show(shown.Text);
    const QImage with = Picture(control);
    shown.Show(QString());
    const QImage without = Picture(control);
    shown.Show(shown.Text);
    control.resize(before);
    Ink ink;
    for (int y = 0; y < with.height(); ++y) {
        for (int x = 0; x < with.width(); ++x) {
            if (with.pixel(x, y) != without.pixel(x, y)) {
                ++ink.Pixels;
                ink.Box |= QRect(x, y, 1, 1);
            }
        }
    }
    return ink;
}

// Where the button's style lets its text go, less the style's own margin, half on either
// side, so that the text keeps clear of the bevel.
QRect ButtonTextArea(const QPushButton& button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    if (button.autoDefault() || button.isDefault()) {
        option.features |= QStyleOptionButton::AutoDefaultButton;
    }
    const int margin = button.style()->pixelMetric(QStyle::PM_ButtonMargin, &option, &button);
    return button.style()
        ->subElementRect(QStyle::SE_PushButtonContents, &option, &button)
        .adjusted(margin / 2, 0, margin / 2 - margin, 0);
}

void ExpectWhole(QWidget& control, const std::string& where) {
    // A wrapping label wraps at its own width: it gets more height only.
    const auto* label = qobject_cast<const QLabel*>(&control);
    const QSize room = control.size() + QSize(label && label->wordWrap() ? 0 : 400, 100);
    for (const ShownText& shown : TextsOf(control)) {
        if (shown.Text.isEmpty()) {
            continue;
        }
        const std::string name = where + " " + control.objectName().toStdString() + ": \"" +
                                 shown.Text.toStdString() + "\"";
        const Ink ink = TextInk(control, shown, control.size());
        EXPECT_GT(ink.Pixels, 0) << name << " does not show";
        EXPECT_EQ(ink.Pixels, TextInk(control, shown, room).Pixels) << name << " is cut";
        if (const auto* button = qobject_cast<const QPushButton*>(&control)) {
            const QRect area = ButtonTextArea(*button);
            EXPECT_GE(ink.Box.left(), area.left()) << name << " touches the bevel";
            EXPECT_LE(ink.Box.right(), area.right()) << name << " touches the bevel";
        }
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

void ExpectEveryTextWhole(QWidget& dialog, const std::string& where) {
    for (QWidget* control : dialog.findChildren<QWidget*>()) {
        ExpectWhole(*control, where);
    }
    ExpectLaidOutCleanly(dialog, where);
    for (const QWidget* group : dialog.findChildren<QGroupBox*>()) {
        ExpectLaidOutCleanly(*group, where + " " + group->objectName().toStdString());
    }
}

std::string Where(const QString& language) {
    return language.toStdString() + " at " +
           std::to_string(qEnvironmentVariableIntValue("QT_FONT_DPI")) + " dpi";
}

// Each widget's geometry as the form template holds it, by name.
std::map<QString, QRect> TemplateGeometry(const QString& form) {
    QFile file(form);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << form.toStdString();
    QXmlStreamReader xml(&file);
    std::vector<QString> widgets;
    std::map<QString, QRect> geometry;
    QString property;
    std::map<QString, int> rect;
    while (!xml.atEnd()) {
        xml.readNext();
        const QStringView element = xml.name();
        if (xml.isStartElement() && element == u"widget") {
            widgets.push_back(xml.attributes().value("name").toString());
        } else if (xml.isEndElement() && element == u"widget") {
            widgets.pop_back();
        } else if (xml.isStartElement() && element == u"property") {
            property = xml.attributes().value("name").toString();
        } else if (xml.isStartElement() && property == u"geometry" && element != u"rect") {
            rect[element.toString()] = xml.readElementText().toInt();
        } else if (xml.isEndElement() && element == u"rect" && property == u"geometry") {
            geometry[widgets.back()] = QRect(rect["x"], rect["y"], rect["width"], rect["height"]);
            property.clear();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return geometry;
}

}  // namespace

TEST(RoomForTexts, EveryTextOfTheOptionsDialogShowsWholeInEveryLanguage) {
    for (const QString& language : ShippedLanguages()) {
        const InstalledLanguage installed(language);
        TOptionsDialog dialog;
        ExpectEveryTextWhole(dialog, "Options " + Where(language));
    }
}

TEST(RoomForTexts, EveryTextOfTheAboutBoxShowsWholeInEveryLanguage) {
    for (const QString& language : ShippedLanguages()) {
        const InstalledLanguage installed(language);
        TAboutDialog about;
        ExpectEveryTextWhole(about, "About " + Where(language));
    }
}

TEST(RoomForTexts, EnglishKeepsTheTemplatesGeometry) {
    const InstalledLanguage english(QStringLiteral("en"));
    TOptionsDialog dialog;
    ExpectEveryTextWhole(dialog, Where(QStringLiteral("en")));
    const double scale = TemplateScale(dialog);
    const std::map<QString, QRect> form =
        TemplateGeometry(QStringLiteral(LUMABELS_FORMS_DIR "/TOptionsDialog.ui"));
    ASSERT_GT(form.size(), 10U);
    for (const auto& [name, rect] : form) {
        const QRect scaled(ScaledFromTemplate(rect.x(), scale), ScaledFromTemplate(rect.y(), scale),
                           ScaledFromTemplate(rect.width(), scale),
                           ScaledFromTemplate(rect.height(), scale));
        if (name == dialog.objectName()) {
            EXPECT_EQ(dialog.size(), scaled.size());
            continue;
        }
        const auto* control = dialog.findChild<QWidget*>(name);
        ASSERT_NE(control, nullptr) << name.toStdString();
        EXPECT_EQ(control->geometry(), scaled) << name.toStdString();
    }
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
    const auto* label = dialog.findChild<QLabel*>(QStringLiteral("Play_Speed_Label"));
    const auto* edit = dialog.findChild<QWidget*>(QStringLiteral("Play_Speed_Edit"));
    EXPECT_LT(label->geometry().right(), edit->x());
}
