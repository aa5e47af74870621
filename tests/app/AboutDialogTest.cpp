#include <gtest/gtest.h>

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "dialogs/AboutLayout.h"
#include "dialogs/TAboutDialog.h"

TEST(AboutLayout, TemplateFiguresAtTextHeight18) {
    // A short text: the label keeps its minima, its template height wide and three icons high.
    const AboutLayout l =
        LayOutAbout({18, 18, 279, 207}, {32, 104, 32, 32}, {88, 32, 177, 96}, {319, 18, 98, 33});
    EXPECT_EQ(l.bevel.left, 18);
    EXPECT_EQ(l.bevel.top, 18);
    EXPECT_EQ(l.bevel.width, 32 + 177 + 54);
    EXPECT_EQ(l.bevel.height, 96 + 36);
    EXPECT_EQ(l.clientWidth, l.bevel.width + 98 + 54);
    EXPECT_EQ(l.clientHeight, l.bevel.height + 36);
    EXPECT_EQ(l.image.left, 36);
    EXPECT_EQ(l.label.left, 36 + 32 + 18);
    EXPECT_EQ(l.button.left, l.bevel.Right() + 27);
    EXPECT_EQ(l.button.top, 18);
    EXPECT_EQ(l.image.top, 18 + (132 - 32) / 2);
    EXPECT_EQ(l.label.top, 18 + (132 - 96) / 2);
}

TEST(AboutLayout, OddMarginsRoundTowardZero) {
    const AboutLayout l =
        LayOutAbout({23, 21, 0, 0}, {0, 0, 32, 32}, {0, 0, 200, 101}, {0, 0, 90, 30});
    EXPECT_EQ(l.bevel.left, 22);  // H = 11
    EXPECT_EQ(l.bevel.top, 20);   // V = 10
    EXPECT_EQ(l.label.top, 20 + (141 - 101) / 2);
}

class AboutDialogTest : public ::testing::Test {
  protected:
    TAboutDialog dialog;
};

TEST_F(AboutDialogTest, LaysItselfOutAroundItsText) {
    const auto* label = dialog.findChild<QLabel*>("Label1");
    const auto* image = dialog.findChild<QLabel*>("Image1");
    const auto* bevel = dialog.findChild<QFrame*>("Bevel1");
    const auto* button = dialog.findChild<QPushButton*>("Button1");
    ASSERT_TRUE(label && image && bevel && button);
    EXPECT_EQ(label->text(), QString("Lumabels for Win32 Version 1.0.2. ") + TAboutDialog::Notice);
    EXPECT_TRUE(label->font().bold());
    EXPECT_TRUE(label->wordWrap());
    EXPECT_EQ(image->size(), QSize(32, 32));
    EXPECT_GE(label->height(), 3 * image->height());
    EXPECT_EQ(dialog.windowTitle(), "About");
    EXPECT_EQ(dialog.size(), QSize(dialog.Layout().clientWidth, dialog.Layout().clientHeight));
    EXPECT_EQ(button->y(), bevel->y());
    EXPECT_EQ(bevel->x(), 2 * (bevel->x() / 2));
    EXPECT_LT(label->geometry().right(), bevel->geometry().right());
    EXPECT_LT(bevel->geometry().right(), button->x());
    EXPECT_TRUE(button->isDefault());
}

TEST_F(AboutDialogTest, EnterAndEscapeCloseWithOkTheCloseButtonWithCancel) {
    for (int key : {Qt::Key_Return, Qt::Key_Escape}) {
        QTimer::singleShot(0, [key] {
            QWidget* modal = QApplication::activeModalWidget();
            ASSERT_NE(modal, nullptr);
            // The offscreen platform never activates a window, so ask the dialog itself where
            // its focus is.
            QWidget* focus = modal->focusWidget();
            EXPECT_EQ(focus != nullptr ? focus->objectName() : QString(), "Button1");
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
            QApplication::sendEvent(modal, &press);
        });
        EXPECT_EQ(dialog.exec(), 1) << key;
    }
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    EXPECT_EQ(dialog.exec(), 2);
}
