#include "reference/ReferenceContent.h"

#include "controls/Twips.h"

#include <QFile>

namespace {

// The tables are laid out by hand, a row for each entry or setting.
// clang-format off
constexpr ReferenceContent::Entry FestiveSeasonEntries[] = {
    {"Yule", 975, 9700},      {"Candlemas", 1095, 9705}, {"Eostar", 855, 9705},
    {"Samhain", 1455, 9705},  {"Mabon", 975, 9705},      {"Litha", 1215, 9705},
    {"Beltan", 1335, 9705},   {"Lughnasad", 495, 9700},
};

constexpr ReferenceContent::Entry ElementEntries[] = {
    {"Earth", 2175, 7995}, {"Air", 1695, 7995},    {"Fire", 2175, 7995},
    {"Water", 2175, 7995}, {"Spirit", 1335, 7995},
};

constexpr ReferenceContent::Entry GodEntries[] = {
    {"Angus of the Brugh", 1215, 7995},
    {"Cernunnos", 1455, 7995},
    {"Dagda", 1815, 7995},
    {"Dian Cecht", 1455, 7995},
    {"Dis Pater", 615, 7995},
    {"Donn", 495, 7995},
    {"Esus", 615, 7995},
    {"Govannon", 1455, 7995},
    {"Lug or Lugh", 1215, 7995},
    {"Nuadhu or Nud/ Nodens/ Lud", 1335, 7995},
    {"Ogmios", 855, 7995},
    {"Sucellus", 855, 7995},
};

constexpr ReferenceContent::Entry GoddessEntries[] = {
    {"Arianrhod", 1095, 7995},           {"Badb", 1455, 7995},
    {"Brighit or Brigit", 1575, 7995},   {"Caridwen or Hen Wen", 1335, 7995},
    {"Danu", 1095, 7995},                {"Epona", 1575, 7995},
};

} // namespace

const ReferenceContent::Group ReferenceContent::FestiveSeasons{
    "festive-seasons", "SSTFestiveSeasons", "lblFestiveSeasons",
    Twips::rect(120, 1275, 9900, 2950), 8,
    Twips::rect(0, 300, 10100, 2700), 3,
    false, QRect(), -1,
    0, FestiveSeasonEntries,
};

const ReferenceContent::Group ReferenceContent::Elements{
    "elements", "SSTElements", "lblElements",
    Twips::rect(120, 240, 9900, 3800), 5,
    Twips::rect(0, 300, 10100, 3500), 12,
    true, Twips::rect(8600, 120, 1200, 1350), 0,
    4, ElementEntries,
};

// Two rows of tabs: the entry frames start lower to clear both.
const ReferenceContent::Group ReferenceContent::Gods{
    "gods", "SSTGods", "lblGods",
    Twips::rect(120, 240, 9900, 4005), 6,
    Twips::rect(0, 600, 10100, 3400), 18,
    true, Twips::rect(8400, 120, 1455, 1995), 5,
    11, GodEntries,
};

const ReferenceContent::Group ReferenceContent::Goddesses{
    "goddesses", "SSTGoddesses", "lblGoddesses",
    Twips::rect(120, 240, 9900, 4005), 6,
    Twips::rect(0, 300, 10100, 3700), 31,
    true, Twips::rect(8400, 120, 1455, 1995), 17,
    0, GoddessEntries,
};
// clang-format on

QString ReferenceContent::textPath(const char* group, int position)
{
    return QStringLiteral(":/reference/texts/%1/%2.txt").arg(QLatin1String(group)).arg(position);
}

QString ReferenceContent::picturePath(const char* group, int position)
{
    return QStringLiteral(":/reference/pictures/%1/%2.jpg").arg(QLatin1String(group)).arg(position);
}

QString ReferenceContent::text(const char* group, int position)
{
    QFile file(textPath(group, position));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    // A stray final line break in a text file must not become an empty line on screen.
    return QString::fromUtf8(file.readAll()).trimmed();
}
