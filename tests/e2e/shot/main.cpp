// shotprobe: answers the end-to-end tests' questions about a screenshot, so that the test
// scripts only drive the game. `shotprobe palette` prints the field's look for lib.sh;
// every other command reads the shot (any format QImage reads) and prints its answer; a yes-or-no
// command answers with its exit status: 0 yes, 1 no. Bad arguments or an unreadable shot end with
// status 2 and a line on stderr.
//
// Colours are one argument each, "R G B"; boxes are X0 Y0 X1 Y1 with the ends exclusive.

#include "BandQueries.h"
#include "CloudQueries.h"
#include "Shot.h"
#include "engine/FieldLook.h"

#include <QStringList>
#include <QTextStream>
#include <cstdio>
#include <functional>
#include <map>
#include <optional>
#include <stdexcept>

namespace {

constexpr int Yes = 0;
constexpr int No = 1;
constexpr int Usage = 2;

struct BadArguments : std::runtime_error {
    using std::runtime_error::runtime_error;
};

QTextStream& Out() {
    static QTextStream out(stdout);
    return out;
}

int Number(const QString& text) {
    bool ok = false;
    const int n = text.toInt(&ok);
    if (!ok) {
        throw BadArguments("not a whole number: " + text.toStdString());
    }
    return n;
}

Colour ParseColour(const QString& text) {
    const QStringList parts = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (parts.size() != 3) {
        throw BadArguments("not a colour \"R G B\": " + text.toStdString());
    }
    return qRgb(Number(parts[0]), Number(parts[1]), Number(parts[2])) & RGB_MASK;
}

std::vector<Colour> Colours(const QStringList& texts) {
    std::vector<Colour> colours;
    for (const QString& text : texts) {
        colours.push_back(ParseColour(text));
    }
    return colours;
}

QString Rgb(Colour c) {
    return QStringLiteral("%1 %2 %3").arg(qRed(c)).arg(qGreen(c)).arg(qBlue(c));
}

// X0 Y0 X1 Y1 from args[at], ends exclusive; an empty box when they are not in order.
QRect Box(const QStringList& args, int at) {
    const int x0 = Number(args[at]);
    const int y0 = Number(args[at + 1]);
    const int x1 = Number(args[at + 2]);
    const int y1 = Number(args[at + 3]);
    if (x1 <= x0 || y1 <= y0) {
        return {};
    }
    return {x0, y0, x1 - x0, y1 - y0};
}

Shot Load(const QString& path) {
    std::optional<Shot> shot = Shot::Load(path);
    if (!shot) {
        throw BadArguments("cannot read the shot " + path.toStdString());
    }
    return *shot;
}

int Answer(bool yes) {
    return yes ? Yes : No;
}

// --- the commands: each gets the arguments after the shot --------------------------------

int Pixel(const Shot& shot, const QStringList& args) {
    const int x = Number(args.value(0));
    const int y = Number(args.value(1));
    if (!shot.Whole().contains(x, y)) {
        return No;
    }
    Out() << Rgb(shot.At(x, y)) << '\n';
    return Yes;
}

int Count(const Shot& shot, const QStringList& args) {
    const QRect box = args.size() >= 5 ? Box(args, 1) : shot.Whole();
    Out() << shot.Count(ParseColour(args.value(0)), box) << '\n';
    return Yes;
}

int Bounds(const Shot& shot, const QStringList& args) {
    if (const std::optional<QRect> box = shot.Bounds(ParseColour(args.value(0)))) {
        Out() << box->left() << ' ' << box->top() << ' ' << box->right() << ' ' << box->bottom()
              << '\n';
    }
    return Yes;
}

int InkRows(const Shot& shot, const QStringList& args) {
    for (const InkRun& run : shot.InkRows(Colours(args))) {
        Out() << run.Y0 << ' ' << run.Y1 << ' ' << run.X0 << ' ' << run.X1 << '\n';
    }
    return Yes;
}

int Only(const Shot& shot, const QStringList& args) {
    if (args.size() < 4) {
        throw BadArguments("only wants a box");
    }
    return Answer(shot.OnlyColours(Box(args, 0), Colours(args.mid(4))));
}

int Share(const Shot& shot, const QStringList& args) {
    const int all = shot.Width() * shot.Height();
    const int n = shot.Count(ParseColour(args.value(0)), shot.Whole());
    Out() << (all == 0 ? 0 : 100 * n / all) << '\n';
    return Yes;
}

int Bordering(const Shot& shot, const QStringList& args) {
    Out() << shot.Bordering(ParseColour(args.value(0)), ParseColour(args.value(1))) << '\n';
    return Yes;
}

int Reach(const Shot& shot, const QStringList& args) {
    const auto reach =
        shot.Reach(ParseColour(args.value(0)), Number(args.value(1)), Number(args.value(2)));
    if (reach) {
        Out() << reach->first << ' ' << reach->second << '\n';
    }
    return Yes;
}

int SameRows(const Shot& shot, const QStringList& args) {
    return Answer(shot.SameRows(Load(args.value(0)), Number(args.value(1)), Number(args.value(2))));
}

// The title screen: sky in the four corners, the title's colour in the middle and nowhere else.
int IsTitle(const Shot& shot, const QStringList&) {
    using FieldLook::Sky;
    const int right = shot.Width() - 1;
    const int bottom = shot.Height() - 1;
    if (!shot.Is(0, 0, Sky) || !shot.Is(right, 0, Sky) || !shot.Is(0, bottom, Sky) ||
        !shot.Is(right, bottom, Sky)) {
        return No;
    }
    const int middle = shot.Count(FieldLook::Title, QRect(100, 100, 200, 100));
    return Answer(middle >= 100 && middle == shot.Count(FieldLook::Title, shot.Whole()));
}

int BandTops(const Shot& shot, const QStringList&) {
    for (const int top : BandQueries::Tops(shot)) {
        Out() << top << '\n';
    }
    return Yes;
}

int BandCheck(const Shot& shot, const QStringList& args) {
    if (const std::optional<QString> problem = BandQueries::Problem(shot, Number(args.value(0)))) {
        Out() << *problem << '\n';
        return No;
    }
    return Yes;
}

int BandTop(const Shot& shot, const QStringList&) {
    const std::optional<int> top = BandQueries::FreshTop(shot);
    if (top) {
        Out() << *top << '\n';
    }
    return Answer(top.has_value());
}

int LoneClouds(const Shot& shot, const QStringList&) {
    for (const Cloud& c : CloudQueries::LoneClouds(shot)) {
        Out() << c.A << ' ' << c.B << ' ' << c.Y << ' ' << c.Cx << ' ' << c.T << ' ' << c.Bottom
              << '\n';
    }
    return Yes;
}

int CloudState(const Shot& shot, const QStringList& args) {
    if (args.size() != 6) {
        throw BadArguments("cloud-state wants A B Y CX T BOTTOM");
    }
    const Cloud cloud{Number(args[0]), Number(args[1]), Number(args[2]),
                      Number(args[3]), Number(args[4]), Number(args[5])};
    Out() << CloudQueries::State(shot, cloud) << '\n';
    return Yes;
}

using Command = std::function<int(const Shot&, const QStringList&)>;

const std::map<QString, Command>& Commands() {
    static const std::map<QString, Command> commands = {
        {QStringLiteral("pixel"), Pixel},           // X Y -> "R G B"
        {QStringLiteral("count"), Count},           // COLOUR [BOX] -> pixels of it
        {QStringLiteral("bounds"), Bounds},         // COLOUR -> "X0 Y0 X1 Y1" inclusive, or nothing
        {QStringLiteral("ink-rows"), InkRows},      // COLOUR... -> "Y0 Y1 X0 X1" a run
        {QStringLiteral("only"), Only},             // BOX COLOUR... -> yes or no
        {QStringLiteral("share"), Share},           // COLOUR -> per cent of the shot
        {QStringLiteral("bordering"), Bordering},   // COLOUR NEIGHBOUR -> pixels
        {QStringLiteral("reach"), Reach},           // COLOUR Y0 Y1 -> "X0 X1", or nothing
        {QStringLiteral("same-rows"), SameRows},    // OTHER Y0 Y1 -> yes or no
        {QStringLiteral("is-title"), IsTitle},      // -> yes or no
        {QStringLiteral("band-tops"), BandTops},    // -> one top a line
        {QStringLiteral("band-check"), BandCheck},  // TOP -> yes, or no and the reason
        {QStringLiteral("band-top"), BandTop},      // -> the fresh band's top, or no
        {QStringLiteral("lone-clouds"), LoneClouds},  // -> "A B Y CX T BOTTOM" a cloud
        {QStringLiteral("cloud-state"), CloudState},  // A B Y CX T BOTTOM -> covered/intact/gone
    };
    return commands;
}

// The field's colours and the character's picture cell as shell assignments for lib.sh, so the
// scripts ask for the very values the painters use.
int Palette() {
    Out() << "E2E_SKY=\"" << Rgb(FieldLook::Sky) << "\"\n"
          << "E2E_WHITE=\"" << Rgb(FieldLook::Cloud) << "\"\n"
          << "E2E_TITLE=\"" << Rgb(FieldLook::Title) << "\"\n"
          << "E2E_OUTLINE=\"" << Rgb(FieldLook::ResultsOutline) << "\"\n"
          << "E2E_STRIPES=(";
    for (const QRgb stripe : FieldLook::Stripes) {
        Out() << '"' << Rgb(stripe) << "\" ";
    }
    Out() << ")\n"
          << "E2E_CHARACTER_W=" << FieldLook::CharacterWidth << '\n'
          << "E2E_CHARACTER_H=" << FieldLook::CharacterHeight << '\n'
          << "E2E_CHARACTER_LEFT=" << FieldLook::CharacterOffsetX << '\n'
          << "E2E_CHARACTER_ABOVE=" << FieldLook::CharacterOffsetY << '\n';
    return Yes;
}

int Run(const QStringList& args) {
    if (args.size() == 1 && args[0] == QLatin1String("palette")) {
        return Palette();
    }
    if (args.size() < 2) {
        throw BadArguments("usage: shotprobe COMMAND SHOT [ARGUMENT]...");
    }
    const auto command = Commands().find(args[0]);
    if (command == Commands().end()) {
        throw BadArguments("no command " + args[0].toStdString());
    }
    return command->second(Load(args[1]), args.mid(2));
}

}  // namespace

int main(int argc, char** argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i) {
        args << QString::fromLocal8Bit(argv[i]);
    }
    try {
        const int status = Run(args);
        Out().flush();
        return status;
    } catch (const BadArguments& bad) {
        std::fprintf(stderr, "shotprobe: %s\n", bad.what());
        return Usage;
    }
}
