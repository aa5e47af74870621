#include "qt/dialogs/TextRoom.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <algorithm>

#include "qt/dialogs/TitledGroupBox.h"

namespace {

int TextWidth(const QWidget& control, const QString& text) {
    return control.fontMetrics()
        .boundingRect(QRect(0, 0, 1 << 20, 1 << 20), Qt::TextShowMnemonic, text)
        .width();
}

// The width the control's style leaves for its text.
int TextAreaWidth(const QWidget& control) {
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        return label->contentsRect().width() - 2 * label->margin();
    }
    if (const auto* box = qobject_cast<const QCheckBox*>(&control)) {
        QStyleOptionButton option;
        option.initFrom(box);
        option.text = box->text();
        return box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box).width();
    }
    if (const auto* button = qobject_cast<const QPushButton*>(&control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        if (button->autoDefault() || button->isDefault()) {
            option.features |= QStyleOptionButton::AutoDefaultButton;
        }
        // Less the style's own margin, so a long translation keeps clear of the bevel.
        return button->style()
                   ->subElementRect(QStyle::SE_PushButtonContents, &option, button)
                   .width() -
               button->style()->pixelMetric(QStyle::PM_ButtonMargin, &option, button);
    }
    if (const auto* combo = qobject_cast<const QComboBox*>(&control)) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        // The style draws the item one pixel in from the field's left edge and cuts it at the
        // right one.
        return combo->style()
                   ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField,
                                    combo)
                   .width() -
               1;
    }
    if (const auto* group = qobject_cast<const TitledGroupBox*>(&control)) {
        // The title and its gaps, with a blank's width of frame on either side.
        const QRect title = group->TitleRect();
        return group->width() - 2 * title.left();
    }
    return control.width();
}

int NeededTextWidth(const QWidget& control) {
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        return TextWidth(control, label->text());
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(&control)) {
        return TextWidth(control, button->text());
    }
    if (const auto* combo = qobject_cast<const QComboBox*>(&control)) {
        int widest = 0;
        for (int i = 0; i < combo->count(); ++i) {
            widest = std::max(widest, TextWidth(control, combo->itemText(i)));
        }
        return widest;
    }
    if (const auto* group = qobject_cast<const TitledGroupBox*>(&control)) {
        return group->TitleRect().width();
    }
    return 0;
}

}  // namespace

int MissingWidth(const QWidget& control) {
    return std::max(0, NeededTextWidth(control) - TextAreaWidth(control));
}
