#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include "GameVersion.h"
#include "qt/dialogs/AboutLayout.h"
#include "qt/dialogs/TAboutDialog.h"

TEST(AboutLayout, TemplateFiguresAtTextHeight18) {
    // A short text: the label keeps its minima, its template height wide and three icons high.
    const AboutLayout l =
        LayOutAbout({18, 18, 279, 207}, {32, 104, 32, 32}, {88, 32, 177, 96}, {319, 18, 98, 33});
    EXPECT_EQ(l.Bevel.Left, 18);
    EXPECT_EQ(l.Bevel.Top, 18);
    EXPECT_EQ(l.Bevel.Width, 32 + 177 + 54);
    EXPECT_EQ(l.Bevel.Height, 96 + 36);
    EXPECT_EQ(l.ClientWidth, l.Bevel.Width + 98 + 54);
    EXPECT_EQ(l.ClientHeight, l.Bevel.Height + 36);
    EXPECT_EQ(l.Image.Left, 36);
    EXPECT_EQ(l.Label.Left, 36 + 32 + 18);
    EXPECT_EQ(l.Button.Left, l.Bevel.Right() + 27);
    EXPECT_EQ(l.Button.Top, 18);
    EXPECT_EQ(l.Image.Top, 18 + (132 - 32) / 2);
    EXPECT_EQ(l.Label.Top, 18 + (132 - 96) / 2);
}

TEST(AboutLayout, OddMarginsRoundTowardZero) {
    const AboutLayout l =
        LayOutAbout({23, 21, 0, 0}, {0, 0, 32, 32}, {0, 0, 200, 101}, {0, 0, 90, 30});
    EXPECT_EQ(l.Bevel.Left, 22);  // H = 11
    EXPECT_EQ(l.Bevel.Top, 20);   // V = 10
    EXPECT_EQ(l.Label.Top, 20 + (141 - 101) / 2);
}

class AboutDialogTest : public ::testing::Test {
  protected:
    TAboutDialog dialog;
};

// Worked out by hand for the test font's 14 px text (DejaVu Sans 9 pt at 96 dpi): the template
// is drawn for 18 px, so the frame's template corner 18, 18 becomes 14, 14 and the margin units
// H = V = 7; the button, 98 x 33 in the template, becomes 76 x 26. The one figure a ruler cannot
// give in advance is the text's own size, so the label's is taken as measured.
TEST_F(AboutDialogTest, LaysItselfOutAroundItsText) {
    const auto* label = dialog.findChild<QLabel*>("Label1");
    const auto* image = dialog.findChild<QLabel*>("Image1");
    const auto* bevel = dialog.findChild<QFrame*>("Bevel1");
    const auto* button = dialog.findChild<QPushButton*>("Button1");
    ASSERT_TRUE(label && image && bevel && button);
    ASSERT_EQ(QFontMetrics(dialog.font()).height(), 14) << "the figures are for 14 px text";
    EXPECT_EQ(label->text(),
              QString("Lumabels for Win32 Version %1. ").arg(GameVersion) + TAboutDialog::Notice);
    EXPECT_TRUE(label->font().bold());
    EXPECT_TRUE(label->wordWrap());
    EXPECT_EQ(dialog.windowTitle(), "About");
    EXPECT_TRUE(button->isDefault());

    EXPECT_EQ(image->size(), QSize(32, 32));
    EXPECT_EQ(button->size(), QSize(76, 26));
    // The label: its template height (177 -> 138) is its least width, three icons its least
    // height, and the wrapped text fits it.
    const int w = label->width();
    const int h = label->height();
    EXPECT_GE(w, 138);
    EXPECT_GE(h, 96);
    const QRect text = QFontMetrics(label->font())
                           .boundingRect(QRect(0, 0, w, 1 << 20), Qt::TextWordWrap, label->text());
    EXPECT_LE(text.width(), w);
    EXPECT_LE(text.height(), h);

    EXPECT_EQ(bevel->geometry(), QRect(14, 14, 32 + w + 42, h + 28));
    EXPECT_EQ(image->pos(), QPoint(28, 14 + (h + 28 - 32) / 2));
    EXPECT_EQ(label->pos(), QPoint(74, 28));
    EXPECT_EQ(button->pos(), QPoint(14 + 32 + w + 42 + 21, 14));
    EXPECT_EQ(dialog.size(), QSize(32 + w + 42 + 76 + 42, h + 28 + 28));
}

// The version reaches the box from the build through a generated header; whatever that
// header holds, the player reads the word and three dotted numbers, then the notice.
TEST_F(AboutDialogTest, ShowsTheVersionAsThreeDottedNumbers) {
    const auto* label = dialog.findChild<QLabel*>("Label1");
    ASSERT_TRUE(label);
    const QRegularExpression shape(QStringLiteral(
        "^Lumabels for Win32 Version [0-9]+\\.[0-9]+\\.[0-9]+\\. Copyright \\(c\\) 2026 "));
    EXPECT_TRUE(shape.match(label->text()).hasMatch()) << label->text().toStdString();
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
            QTest::keyClick(modal, static_cast<Qt::Key>(key));
        });
        EXPECT_EQ(dialog.exec(), ModalResult::Ok) << key;
    }
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    EXPECT_EQ(dialog.exec(), ModalResult::Cancel);
}
