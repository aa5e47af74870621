// The floor every figure of the game is set against: the least a Qt 6 Widgets program with the
// game's window needs. A main window with the game's menu bar and a 400 x 300 field that shows
// the sky and one line of text in the title's font and colour, so that a probe sees its first
// frame exactly as it sees the game's title screen. No game, no sound, no settings.

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QWidget>

namespace {

class Field : public QWidget {
  public:
    Field() {
        setFixedSize(400, 300);
        setAttribute(Qt::WA_OpaquePaintEvent);
        font_.setStyleHint(QFont::SansSerif);
        font_.setPixelSize(30);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(0, 0, 128));
        painter.setFont(font_);
        painter.setPen(QColor(240, 240, 240));
        painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("Lumabels"));
    }

  private:
    QFont font_{QStringLiteral("Arial")};
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    QMenu* game = window.menuBar()->addMenu(QStringLiteral("&Game"));
    game->addAction(QStringLiteral("&New"))->setShortcut(QKeySequence(Qt::Key_F2));
    game->addSeparator();
    game->addAction(QStringLiteral("&Options"))->setShortcut(QKeySequence(Qt::Key_F5));
    game->addSeparator();
    QObject::connect(game->addAction(QStringLiteral("E&xit")), &QAction::triggered, &window,
                     &QMainWindow::close);
    QMenu* help = window.menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("&Help"))->setShortcut(QKeySequence(Qt::Key_F1));
    help->addAction(QStringLiteral("&Tips"));
    help->addSeparator();
    help->addAction(QStringLiteral("&About"));
    window.setCentralWidget(new Field);
    window.setFixedSize(window.sizeHint());
    window.show();
    return QApplication::exec();
}
